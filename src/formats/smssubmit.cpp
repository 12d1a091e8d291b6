#include "smssubmit.h"

#include "gsm7.h"
#include "userdataheader.h"

namespace {

constexpr std::uint8_t kSubmit = 0x01;          // TP-MTI
constexpr std::uint8_t kHeaderIndicator = 0x40; // TP-UDHI
constexpr std::uint8_t kMessageReference = 0x00;
constexpr std::uint8_t kProtocolIdentifier = 0x00;

} // namespace

UserData userDataOf(const ShortMessage& message) {
    UserData userData;
    userData.header = encodeUserDataHeader(message.elements);
    const int headerOctets = static_cast<int>(userData.header.size());
    std::vector<std::uint8_t> units;
    for (const auto& character : message.body.characters) {
        units.insert(units.end(), character.begin(), character.end());
    }
    if (message.body.coding == DataCoding::Gsm7) {
        const int fillBits = (7 - headerOctets * 8 % 7) % 7;
        userData.rest = packSeptets(units, fillBits);
        userData.length = (headerOctets * 8 + fillBits) / 7 + static_cast<int>(units.size());
    } else {
        userData.rest = units;
        userData.length = headerOctets + static_cast<int>(units.size());
    }
    return userData;
}

std::vector<std::uint8_t> destinationAddress(const std::string& number) {
    const bool international = !number.empty() && number[0] == '+';
    const std::string digits = international ? number.substr(1) : number;
    std::vector<std::uint8_t> address{static_cast<std::uint8_t>(digits.size()),
                                      international ? kInternationalNumber : kUnknownNumber};
    // Two digits an octet, the first in the low nibble; an odd count ends in the filler 0xF.
    for (std::size_t at = 0; at < digits.size(); at += 2) {
        const int low = digits[at] - '0';
        const int high = at + 1 < digits.size() ? digits[at + 1] - '0' : 0xF;
        address.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    return address;
}

std::vector<std::uint8_t> submitTpdu(const std::string& number, const ShortMessage& message) {
    const UserData userData = userDataOf(message);
    std::vector<std::uint8_t> tpdu{
        static_cast<std::uint8_t>(kSubmit | (userData.header.empty() ? 0 : kHeaderIndicator)),
        kMessageReference};
    const auto address = destinationAddress(number);
    tpdu.insert(tpdu.end(), address.begin(), address.end());
    tpdu.push_back(kProtocolIdentifier);
    tpdu.push_back(static_cast<std::uint8_t>(message.body.coding));
    tpdu.push_back(static_cast<std::uint8_t>(userData.length));
    tpdu.insert(tpdu.end(), userData.header.begin(), userData.header.end());
    tpdu.insert(tpdu.end(), userData.rest.begin(), userData.rest.end());
    return tpdu;
}
