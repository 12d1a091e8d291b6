#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The GSM 7-bit alphabet of SMS text (3GPP TS 23.038): a table of 128 characters, one a septet,
// and an extension table reached through the escape septet 0x1B, with septets packed 8 to 7
// octets, least significant bits first.

constexpr std::uint8_t kGsm7Escape = 0x1B;

// The tables one message's text is read and written with: the default alphabet every phone
// knows, or a national language's tables standing in for it (gsm7national.h).
struct Gsm7Alphabet {
    // The character of each of the 128 septets, a space where the table has none. The escape's
    // entry is what an escape with nothing after it reads as; no character is written with it.
    std::u32string_view characters;
    // The character of each septet after the escape, a space where the table has none: such a
    // septet reads as its entry in `characters`, as a phone shows it.
    std::u32string_view extension;
};

// The national language identifiers a message's header names for its tables, 0 for none.
struct Gsm7Languages {
    int lockingShift = 0;
    int singleShift = 0;
};

const Gsm7Alphabet& gsm7DefaultAlphabet();

// The tables of those languages; the default alphabet's where a language has no such table.
Gsm7Alphabet gsm7Alphabet(Gsm7Languages languages);

// The septets of one character: one septet, or the escape and one from the extension table;
// nothing when the alphabet lacks the character.
std::optional<std::vector<std::uint8_t>>
toGsm7(char32_t character, const Gsm7Alphabet& alphabet = gsm7DefaultAlphabet());

// Septets as UTF-8.
std::string fromGsm7(const std::vector<std::uint8_t>& septets,
                     const Gsm7Alphabet& alphabet = gsm7DefaultAlphabet());

// Septets packed after `fillBits` zero bits (the bits that bring a user data header to a septet
// boundary).
std::vector<std::uint8_t> packSeptets(const std::vector<std::uint8_t>& septets, int fillBits);

// `count` septets unpacked from bit `firstSeptet * 7` on; septets beyond the octets given are
// left out.
std::vector<std::uint8_t> unpackSeptets(const std::vector<std::uint8_t>& octets, int firstSeptet,
                                        int count);
