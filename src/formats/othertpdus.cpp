#include "othertpdus.h"

#include "smstext.h"

namespace {

constexpr std::uint8_t kTypeMask = 0x03;
constexpr std::uint8_t kSubmitReport = 0x01;
constexpr std::uint8_t kStatusReportOrCommand = 0x02;
constexpr std::size_t kTimeStampOctets = 7;

// Reads forward through the fields; any read past the end leaves it failed.
struct Fields {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool failed = false;

    std::uint8_t next() {
        if (at >= size) {
            failed = true;
            return 0;
        }
        return data[at++];
    }
    void skip(std::size_t count) {
        if (count > size - at) {
            failed = true;
            return;
        }
        at += count;
    }
    void address() {
        const std::size_t digits = next();
        skip(1 + (digits + 1) / 2);
    }
    bool endsHere() const { return !failed && at == size; }
};

// The fields TP-PI names, after it: TP-PID, TP-DCS, TP-UDL with its user data.
bool parametersEndIt(Fields fields, std::uint8_t indicator) {
    if ((indicator & 0x01) != 0) {
        fields.skip(1);
    }
    const std::uint8_t coding = (indicator & 0x02) != 0 ? fields.next() : 0;
    if ((indicator & 0x04) != 0) {
        const std::size_t length = fields.next();
        const bool septets = dataCodingOf(coding) == DataCoding::Gsm7;
        fields.skip(septets ? (length * 7 + 7) / 8 : length);
    }
    return fields.endsHere();
}

bool isStatusReport(const std::uint8_t* data, std::size_t size) {
    Fields fields{data, size};
    fields.skip(2); // first octet, TP-MR
    fields.address();
    fields.skip(2 * kTimeStampOctets + 1);
    if (fields.failed || fields.endsHere()) {
        return !fields.failed;
    }
    const std::uint8_t indicator = fields.next();
    return parametersEndIt(fields, indicator);
}

bool isCommand(const std::uint8_t* data, std::size_t size) {
    Fields fields{data, size};
    fields.skip(5); // first octet, TP-MR, TP-PID, TP-CT, TP-MN
    fields.address();
    fields.skip(fields.next());
    return fields.endsHere();
}

bool isSubmitReport(const std::uint8_t* data, std::size_t size, bool withFailureCause) {
    Fields fields{data, size};
    fields.skip(withFailureCause ? 2 : 1);
    const std::uint8_t indicator = fields.next();
    fields.skip(kTimeStampOctets);
    return !fields.failed && parametersEndIt(fields, indicator);
}

} // namespace

std::optional<std::string> otherTpduName(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return std::nullopt;
    }
    const std::uint8_t type = data[0] & kTypeMask;
    if (type == kStatusReportOrCommand && isStatusReport(data, size)) {
        return "SMS-STATUS-REPORT";
    }
    if (type == kStatusReportOrCommand && isCommand(data, size)) {
        return "SMS-COMMAND";
    }
    if (type == kSubmitReport &&
        (isSubmitReport(data, size, false) || isSubmitReport(data, size, true))) {
        return "SMS-SUBMIT-REPORT";
    }
    return std::nullopt;
}
