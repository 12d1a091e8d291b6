#include "smstext.h"

#include "gsm7.h"

std::optional<SmsText> smsTextOf(const std::u32string& text) {
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
    SmsText ucs2{DataCoding::Ucs2, {}};
    for (const char32_t character : text) {
        if (character > 0xFFFF) {
            return std::nullopt;
        }
        ucs2.characters.push_back(
            {static_cast<std::uint8_t>(character >> 8), static_cast<std::uint8_t>(character)});
    }
    return ucs2;
}
