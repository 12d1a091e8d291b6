#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The LZSS compression of Extended Objects (3GPP TS 23.040, annex F), carried by the Compression
// Control element (IEI 0x16). Its first element holds
//   octet 1    compression information: bits 3-0 the method, 0 for LZSS
//   octets 2-3 length of the whole compressed stream, most significant octet first
//   octets 4.. the stream
// and Compression Control elements of the following parts carry the rest of the stream alone.
// The stream is a sequence of two kinds of items:
//   literal block:    one octet with bit 7 set, bits 6-0 the count of octets that follow and
//                     are copied as they are
//   slice descriptor: two octets with bit 7 of the first clear; bits 6-1 of the first give the
//                     slice length, bit 0 of the first and the second the slice offset, how far
//                     back from the end of what is decompressed so far the slice starts
// A slice may overlap the octets it produces. Neither a literal block nor a slice is ever empty.
// What comes out is a row of Extended Objects (compressedobjects.h).

constexpr std::uint8_t kLzssMethod = 0x00;
constexpr int kCompressionHeaderOctets = 3;

// Decompression never yields more than this: every length field around it is 16 bits.
constexpr std::size_t kLargestDecompressed = 0x20000;

// The decompressed octets; nothing when a slice reaches back before the start, a literal block
// or a slice is empty, an item is cut short, or the output would pass the bound above.
std::optional<std::vector<std::uint8_t>> decompressLzss(const std::vector<std::uint8_t>& stream);
