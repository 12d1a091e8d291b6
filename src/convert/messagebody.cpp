#include "messagebody.h"

#include "gsm7.h"
#include "utf8.h"

std::vector<std::uint8_t> bodyUnits(const SmsText& body) {
    std::vector<std::uint8_t> units;
    for (const auto& character : body.characters) {
        units.insert(units.end(), character.begin(), character.end());
    }
    return units;
}

std::string bodyUtf8(const SmsText& body) {
    const auto units = bodyUnits(body);
    switch (body.coding) {
    case DataCoding::Gsm7:
        return fromGsm7(units);
    case DataCoding::Ucs2:
        return ucs2ToUtf8(units.data(), units.size());
    case DataCoding::EightBit:
        break;
    }
    return {};
}

const char* codingName(DataCoding coding) {
    switch (coding) {
    case DataCoding::Gsm7:
        return "gsm7";
    case DataCoding::Ucs2:
        return "ucs2";
    case DataCoding::EightBit:
        break;
    }
    return "8bit";
}
