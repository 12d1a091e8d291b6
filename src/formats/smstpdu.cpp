#include "smstpdu.h"

#include "gsm7.h"
#include "othertpdus.h"
#include "smstext.h"
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

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;

    bool has(std::size_t count) const { return count <= size - at; }
    std::uint8_t next() { return data[at++]; }
};

// The TPDU of exactly `size` octets, or nothing when it is no SMS-DELIVER or SMS-SUBMIT that
// ends where its user data ends. Read `tolerant`ly, a 7-bit message with a header may have the
// lengths other senders give it (gammu among them): user data one octet longer than TP-UDL
// counts, the octet ignored, and a TP-UDL one septet short of its header when the header fills
// the user data.
std::optional<ReceivedMessage> decodeTpdu(const std::uint8_t* data, std::size_t size,
                                          bool tolerant) {
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
    message.coding = dataCodingOf(in.next());
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
    const bool withHeader = (first & kHeaderIndicator) != 0;
    const bool otherLengths = tolerant && septets && withHeader;
    const std::size_t octets = septets ? (length * 7u + 7) / 8 : static_cast<std::size_t>(length);
    const std::size_t present = size - in.at;
    if (octets != present && !(otherLengths && present == octets + 1)) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t> userData(in.data + in.at, in.data + in.at + octets);
    std::size_t headerOctets = 0;
    if (withHeader) {
        if (userData.empty() || userData[0] + 1u > userData.size()) {
            return std::nullopt;
        }
        headerOctets = userData[0] + 1u;
        message.header.assign(userData.begin() + 1, userData.begin() + headerOctets);
    }
    if (septets) {
        const int headerSeptets = static_cast<int>((headerOctets * 8 + 6) / 7);
        const bool headerFillsIt =
            otherLengths && headerSeptets == length + 1 && headerOctets == userData.size();
        if (headerSeptets > length && !headerFillsIt) {
            return std::nullopt;
        }
        if (headerSeptets < length) {
            message.text = gsm7TextToUtf8(
                unpackSeptets(userData, headerSeptets, length - headerSeptets), message.header);
        }
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

// The message the octets hold from one of the starts, read strictly first: the readings of
// other senders' lengths come in only when no strict reading works, so that no message that
// reads strictly reads any other way. A modem always lists the SMSC part, so that reading wins
// when both fit; one whose header is at fault is taken last, as reading the elements tells.
std::optional<ReceivedMessage> readMessage(const std::vector<std::uint8_t>& bytes,
                                           const std::vector<std::size_t>& starts) {
    std::optional<ReceivedMessage> headerAtFault;
    for (const bool tolerant : {false, true}) {
        for (const std::size_t start : starts) {
            auto message = decodeTpdu(bytes.data() + start, bytes.size() - start, tolerant);
            if (message && decodeUserDataHeader(message->header)) {
                return message;
            }
            if (message && !headerAtFault) {
                headerAtFault = std::move(message);
            }
        }
    }
    return headerAtFault;
}

} // namespace

ListedReading decodeListedTpdu(const ListedTpdu& listed) {
    const std::vector<std::uint8_t>& bytes = listed.bytes;
    std::vector<std::size_t> starts;
    if (listed.tpduLength) {
        const std::size_t length = static_cast<std::size_t>(*listed.tpduLength);
        const bool withSmsc = !bytes.empty() && bytes.size() == length + bytes[0] + 1;
        if (bytes.size() != length && !withSmsc) {
            return ListingError{"holds " + std::to_string(bytes.size()) +
                                " octets, not the TPDU of " + std::to_string(length) +
                                " octets the line before gives"};
        }
        starts.push_back(withSmsc ? bytes[0] + 1u : 0);
    } else {
        if (plausibleSmsc(bytes) && bytes[0] + 1u <= bytes.size()) {
            starts.push_back(bytes[0] + 1u);
        }
        starts.push_back(0);
    }
    if (auto message = readMessage(bytes, starts)) {
        return std::move(*message);
    }
    for (const std::size_t start : starts) {
        if (auto name = otherTpduName(bytes.data() + start, bytes.size() - start)) {
            return OtherTpdu{*name};
        }
    }
    return ListingError{"no TPDU: no whole SMS-DELIVER, SMS-SUBMIT, report or command"};
}
