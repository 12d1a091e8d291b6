#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// UTF-8, the program's own text, to code points and back, and the other codings messages carry
// their text in turned into it.

// UTF-8 as code points, or nothing when the bytes are no UTF-8.
std::optional<std::u32string> decodeUtf8(const std::string& utf8);

void appendUtf8(std::string& out, char32_t code);

// UCS-2 big-endian, surrogate pairs joined; an odd last octet is dropped.
std::string ucs2ToUtf8(const std::uint8_t* data, std::size_t size);

// ISO 8859-1, as Nokia's picture messages carry their text.
std::string latin1ToUtf8(const std::uint8_t* data, std::size_t size);
