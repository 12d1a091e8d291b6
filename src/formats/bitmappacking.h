#pragma once

#include "artwork.h"

#include <cstdint>
#include <vector>

// Pixels of one frame as the message formats carry them: a set pixel is a 1 bit, rows from the
// top, the leftmost pixel in the most significant bit.

// The columns firstColumn .. firstColumn + width - 1, each row padded to whole octets with clear
// pixels; columns beyond the artwork's width are clear too.
std::vector<std::uint8_t> paddedRows(const Artwork& artwork, int frame, int firstColumn, int width);

// The whole frame as one run of bits with no fill between rows; only the last octet is filled,
// with clear bits.
std::vector<std::uint8_t> bitRun(const Artwork& artwork, int frame);
