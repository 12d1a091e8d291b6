#include "smstext.h"

#include "gsm7.h"
#include "userdataheader.h"
#include "utf8.h"

namespace {

// The header's national language elements, of one octet each; a header that repeats an element
// means its last one.
Gsm7Languages languagesIn(const std::vector<std::uint8_t>& header) {
    Gsm7Languages languages;
    const auto elements = decodeUserDataHeader(header);
    if (!elements) {
        return languages;
    }
    for (const auto& element : *elements) {
        if (element.data.size() != 1) {
            continue;
        }
        if (element.id == ElementId::NationalSingleShift) {
            languages.singleShift = element.data[0];
        } else if (element.id == ElementId::NationalLockingShift) {
            languages.lockingShift = element.data[0];
        }
    }
    return languages;
}

} // namespace

SmsText smsTextOf(const std::u32string& text) {
    SmsText gsm{DataCoding::Gsm7, {}};
    for (const char32_t character : text) {
        auto septets = toGsm7(character);
        if (!septets) {
            break;
        }
        gsm.characters.push_back(std::move(*septets));
    }
    if (gsm.characters.size() == text.size()) {
        return gsm;
    }
    SmsText utf16{DataCoding::Ucs2, {}};
    for (const char32_t character : text) {
        utf16.characters.emplace_back();
        appendUtf16(utf16.characters.back(), character);
    }
    return utf16;
}

std::string gsm7TextToUtf8(const std::vector<std::uint8_t>& septets,
                           const std::vector<std::uint8_t>& header) {
    return fromGsm7(septets, gsm7Alphabet(languagesIn(header)));
}

DataCoding dataCodingOf(std::uint8_t dcs) {
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
