#pragma once

#include <cstdint>

// What the format library's readers and writers share: the two kinds of file, the sizes a file can
// give, and the value of a decoded cell.

enum class ArtworkKind : std::uint8_t {
    Picture = 1,   // one frame, kept as .ems
    Animation = 2, // up to 16 frames, kept as .ema
};

constexpr int kMaxArtworkWidth = 128;
constexpr int kMaxArtworkHeight = 96;
constexpr int kMaxArtworkFrames = 16;

// A decoded cell is 0 when clear and -1 when set, in 16 bits: the editor stores its cells so, and
// takes decoded columns over as they are. Readers treat any nonzero value as set.
using DecodedCell = std::int16_t;
constexpr DecodedCell kDecodedSet = -1;
constexpr DecodedCell kDecodedClear = 0;
