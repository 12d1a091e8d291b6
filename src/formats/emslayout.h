#pragma once

#include "artworktypes.h"

#include <cstdint>

// The byte layout the program's two file formats share, one byte per header field:
//   .ems picture:   2, MX, MY, then the rows of frame 1
//   .ema animation: 6, MX, MY, kK, zZ, then the rows of frames 1..kK
// A row takes ceil(MX / 8) bytes, top row first, leftmost pixel in the most significant bit.

constexpr std::uint8_t kPictureTag = 2;
constexpr std::uint8_t kAnimationTag = 6;

// Header lengths: a picture has its tag, width and height; an animation adds the frame count and
// the delay.
constexpr int kPictureHeaderBytes = 3;
constexpr int kAnimationHeaderBytes = 5;

// The longest file a reader ever needs: a 128 x 96 animation of 16 frames.
constexpr int kLargestFileBytes =
    kAnimationHeaderBytes + kMaxArtworkFrames * (kMaxArtworkWidth / 8) * kMaxArtworkHeight;

// Bytes one stored pixel row of the given width takes: the width rounded up to whole bytes.
int rowBytes(int width);

// What a header says: the kind, the size, and for an animation the frame count and the delay
// between frames in units of 12 ms (kK is 1 and zZ 0 for a picture).
struct EmsHeader {
    ArtworkKind kind = ArtworkKind::Picture;
    int MX = 0;
    int MY = 0;
    int kK = 0;
    int zZ = 0;
};

// Length of the file with this header: a 3-byte header and one frame for a picture, a 5-byte
// header and every frame for an animation.
int fileByteCount(const EmsHeader& header);
