#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The three alphabets of SMS user data (3GPP TS 23.038), turned into UTF-8 for display.

// `count` septets packed from bit `firstSeptet * 7` on, the first septet in the low bits of the
// first octet; septets beyond the octets given are left out.
std::vector<std::uint8_t> unpackSeptets(const std::vector<std::uint8_t>& octets, int firstSeptet,
                                        int count);

// The GSM 7-bit default alphabet with its extension table (0x1B escapes).
std::string gsmSeptetsToUtf8(const std::vector<std::uint8_t>& septets);

// UCS-2 big-endian, surrogate pairs joined; an odd last octet is dropped.
std::string ucs2ToUtf8(const std::uint8_t* data, std::size_t size);

// ISO 8859-1, as Nokia's picture messages carry their text.
std::string latin1ToUtf8(const std::uint8_t* data, std::size_t size);
