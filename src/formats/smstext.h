#pragma once

#include "emselements.h"

#include <cstdint>
#include <string>
#include <vector>

// The text of a message, character by character, in the coding it travels in: each character
// is the septets (one, or the escape and one from the extension table) of the GSM 7-bit default
// alphabet, or its UTF-16 code units under the UCS-2 coding, two octets each, most significant
// first: a character beyond U+FFFF is a surrogate pair, which no message boundary splits.
struct SmsText {
    DataCoding coding = DataCoding::EightBit; // EightBit when there is no text
    std::vector<std::vector<std::uint8_t>> characters;
};

// The coding a TP-DCS octet gives the user data (3GPP TS 23.038, 4): its general data coding
// groups, message waiting groups and data coding/message class group.
DataCoding dataCodingOf(std::uint8_t dcs);

// The text (Unicode code points, as decodeUtf8 gives them) in the GSM 7-bit default alphabet
// when that covers every character, otherwise in UTF-16.
SmsText smsTextOf(const std::u32string& text);

// 7-bit text as UTF-8, read with the national language tables that the message's user data
// header (its elements, without the length octet) names in its single shift (0x24) and
// locking shift (0x25) elements, and with the default alphabet for what it does not name.
std::string gsm7TextToUtf8(const std::vector<std::uint8_t>& septets,
                           const std::vector<std::uint8_t>& header);
