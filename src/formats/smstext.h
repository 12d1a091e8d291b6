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

// UTF-8 as code points, or nothing when the bytes are no UTF-8.
std::optional<std::u32string> decodeUtf8(const std::string& utf8);

// The text in the GSM 7-bit default alphabet when that covers every character, otherwise in
// UCS-2; nothing when a character lies beyond UCS-2 (above U+FFFF).
std::optional<SmsText> smsTextOf(const std::u32string& text);

// Septets packed 8 to 7 octets, least significant bits first, after `fillBits` zero bits (the
// bits that bring a user data header to a septet boundary).
std::vector<std::uint8_t> packSeptets(const std::vector<std::uint8_t>& septets, int fillBits);
