#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The GSM 7-bit alphabet of SMS text (3GPP TS 23.038): a table of 128 characters, one a septet,
// and an extension table reached through the escape septet 0x1B, with septets packed 8 to 7
// octets, least significant bits first.

constexpr std::uint8_t kGsm7Escape = 0x1B;

// The tables one message's text is read and written with. The default alphabet is the one
// every phone knows; a national language's tables would stand beside it, chosen by the caller.
struct Gsm7Alphabet {
    // The character of each septet. The escape's entry is what an escape with nothing after it
    // reads as; no character is written with it.
    std::array<char32_t, 128> characters;
    // The septet that follows the escape, and the character the two stand for.
    std::vector<std::pair<std::uint8_t, char32_t>> extension;
};

const Gsm7Alphabet& gsm7DefaultAlphabet();

// The septets of one character: one septet, or the escape and one from the extension table;
// nothing when the alphabet lacks the character.
std::optional<std::vector<std::uint8_t>>
toGsm7(char32_t character, const Gsm7Alphabet& alphabet = gsm7DefaultAlphabet());

// Septets as UTF-8; an escaped septet the extension table lacks reads as a space.
std::string fromGsm7(const std::vector<std::uint8_t>& septets,
                     const Gsm7Alphabet& alphabet = gsm7DefaultAlphabet());

// Septets packed after `fillBits` zero bits (the bits that bring a user data header to a septet
// boundary).
std::vector<std::uint8_t> packSeptets(const std::vector<std::uint8_t>& septets, int fillBits);

// `count` septets unpacked from bit `firstSeptet * 7` on; septets beyond the octets given are
// left out.
std::vector<std::uint8_t> unpackSeptets(const std::vector<std::uint8_t>& octets, int firstSeptet,
                                        int count);
