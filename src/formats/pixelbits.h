#pragma once

#include "artwork.h"

#include <cstddef>
#include <cstdint>

// The two ways message pictures pack their pixels, 1 for a black (set) pixel and the leftmost
// pixel in the top bit of an octet: rows that each start on an octet, and one bit stream
// running from the top left to the bottom right with no fill between rows.

// Octets a frame takes in each way.
std::size_t rowFrameOctets(int width, int height);
std::size_t streamFrameOctets(int width, int height);

// Frame `frame` of the artwork from its packed pixels; the data must hold the octets above.
void drawRowFrame(Artwork& artwork, int frame, const std::uint8_t* data);
void drawStreamFrame(Artwork& artwork, int frame, const std::uint8_t* data);
