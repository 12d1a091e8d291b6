#include "smstpdu.h"

#include "gsm7.h"
#include "userdataheader.h"
#include "utf8.h"

#include <optional>

namespace {

constexpr std::uint8_t kTypeMask = 0x03;
constexpr std::uint8_t kDeliver = 0x00;
constexpr std::uint8_t kSubmit = 0x01;
constexpr std::uint8_t kReservedType = 0x03; // read as a DELIVER, as a phone does
constexpr std::uint8_t kHeaderIndicator = 0x40;
constexpr int kTimeStampOctets = 7;

DataCoding codingOf(std::uint8_t dcs) {
    switch (dcs >> 4) {
    case 0x0:
    case 0x1:
    case 0x2:
    case 0x3:
    case 0x4:
    case 0x5:
    case 0x6:
    case 0x7: {
        const int bits = (dcs >> 2) & 0x03;
        return bits == 1 ? DataCoding::EightBit : bits == 2 ? DataCoding::Ucs2 : DataCoding::Gsm7;
    }
    case 0xE:
        return DataCoding::Ucs2;
    case 0xF:
        return (dcs & 0x04) != 0 ? DataCoding::EightBit : DataCoding::Gsm7;
    default:
        return DataCoding::Gsm7;
    }
}

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;

    bool has(std::size_t count) const { return count <= size - at; }
    std::uint8_t next() { return data[at++]; }
};

// The TPDU of exactly `size` octets, or nothing when it is no SMS-DELIVER or SMS-SUBMIT that
// ends where its user data ends.
std::optional<ReceivedMessage> decodeTpdu(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    if (!in.has(1)) {
        return std::nullopt;
    }
    const std::uint8_t first = in.next();
    const std::uint8_t type = first & kTypeMask;
    if (type != kDeliver && type != kSubmit && type != kReservedType) {
        return std::nullopt;
    }
    ReceivedMessage message;
    message.submit = type == kSubmit;
    if (message.submit && !in.has(1)) {
        return std::nullopt;
    }
    if (message.submit) {
        in.next(); // TP-MR
    }
    if (!in.has(2)) {
        return std::nullopt;
    }
    const std::size_t addressOctets = (in.data[in.at] + 1u) / 2 + 2;
    if (!in.has(addressOctets + 2)) {
        return std::nullopt;
    }
    message.address.assign(in.data + in.at, in.data + in.at + addressOctets);
    in.at += addressOctets + 1; // and TP-PID
    message.coding = codingOf(in.next());
    std::size_t skipped = kTimeStampOctets;
    if (message.submit) {
        const int validityFormat = (first >> 3) & 0x03;
        skipped = validityFormat == 0 ? 0 : validityFormat == 2 ? 1 : 7;
    }
    if (!in.has(skipped + 1)) {
        return std::nullopt;
    }
    in.at += skipped;
    const int length = in.next();
    const bool septets = message.coding == DataCoding::Gsm7;
    const std::size_t octets = septets ? (length * 7u + 7) / 8 : static_cast<std::size_t>(length);
    if (octets != size - in.at) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t> userData(in.data + in.at, in.data + size);
    std::size_t headerOctets = 0;
    if ((first & kHeaderIndicator) != 0) {
        if (userData.empty() || userData[0] + 1u > userData.size()) {
            return std::nullopt;
        }
        headerOctets = userData[0] + 1u;
        message.header.assign(userData.begin() + 1, userData.begin() + headerOctets);
    }
    if (septets) {
        const int headerSeptets = static_cast<int>((headerOctets * 8 + 6) / 7);
        if (headerSeptets > length) {
            return std::nullopt;
        }
        message.text = fromGsm7(unpackSeptets(userData, headerSeptets, length - headerSeptets));
        return message;
    }
    message.body.assign(userData.begin() + headerOctets, userData.end());
    if (message.coding == DataCoding::Ucs2) {
        message.text = ucs2ToUtf8(message.body.data(), message.body.size());
    }
    return message;
}

// An SMSC part is its length octet, then nothing, or a type of address with its top bit set
// and at most 10 octets of digits.
constexpr std::uint8_t kLongestSmscPart = 11;
constexpr std::uint8_t kAddressTypeBit = 0x80;

bool plausibleSmsc(const std::vector<std::uint8_t>& bytes) {
    return !bytes.empty() && (bytes[0] == 0 || (bytes[0] <= kLongestSmscPart && bytes.size() > 1 &&
                                                (bytes[1] & kAddressTypeBit) != 0));
}

// A reading whose user data header does not split into whole elements is no reading at all.
std::optional<ReceivedMessage> withWholeHeader(std::optional<ReceivedMessage> message) {
    if (message && !decodeUserDataHeader(message->header)) {
        return std::nullopt;
    }
    return message;
}

std::optional<ReceivedMessage> afterSmsc(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty() || bytes[0] + 1u > bytes.size()) {
        return std::nullopt;
    }
    const std::size_t start = bytes[0] + 1u;
    return decodeTpdu(bytes.data() + start, bytes.size() - start);
}

} // namespace

std::variant<ReceivedMessage, ListingError> decodeListedTpdu(const ListedTpdu& listed) {
    const std::string where = "line " + std::to_string(listed.line) + ": ";
    const std::vector<std::uint8_t>& bytes = listed.bytes;
    std::optional<ReceivedMessage> message;
    if (listed.tpduLength) {
        const std::size_t length = static_cast<std::size_t>(*listed.tpduLength);
        const bool withSmsc = !bytes.empty() && bytes.size() == length + bytes[0] + 1;
        if (bytes.size() != length && !withSmsc) {
            return ListingError{where + "holds " + std::to_string(bytes.size()) +
                                " octets, not the TPDU of " + std::to_string(length) +
                                " octets its +CMGL line gives"};
        }
        message = withSmsc ? afterSmsc(bytes) : decodeTpdu(bytes.data(), bytes.size());
    } else {
        // A modem always lists the SMSC part, so that reading wins when both fit.
        const auto smscReading = plausibleSmsc(bytes) ? afterSmsc(bytes) : std::nullopt;
        message = withWholeHeader(smscReading);
        if (!message) {
            message = decodeTpdu(bytes.data(), bytes.size());
        }
        if (!message) {
            message = smscReading; // its header is at fault, as reading the elements tells
        }
    }
    if (!message) {
        return ListingError{where + "is no whole SMS-DELIVER or SMS-SUBMIT TPDU"};
    }
    return std::move(*message);
}
