#pragma once

#include "emselements.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The text of a message, character by character, in the coding it travels in: each character
// is the septets (one, or the escape and one from the extension table) of the GSM 7-bit default
// alphabet, or the two octets of its UCS-2 code, most significant first.
struct SmsText {
    DataCoding coding = DataCoding::EightBit; // EightBit when there is no text
    std::vector<std::vector<std::uint8_t>> characters;
};

// The text in the GSM 7-bit default alphabet when that covers every character, otherwise in
// UCS-2; nothing when a character lies beyond UCS-2 (above U+FFFF).
std::optional<SmsText> smsTextOf(const std::u32string& text);
