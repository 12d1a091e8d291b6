#pragma once

#include "picturedocument.h"

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
constexpr int kLargestFileBytes = kAnimationHeaderBytes + kMaxFrames * (kMaxWidth / 8) * kMaxHeight;

// Bytes one stored pixel row of the given width takes: the width rounded up to whole bytes.
int rowBytes(int width);

// Length of the file that saving the document writes: a 3-byte header and one frame for a
// picture, a 5-byte header and every frame for an animation.
int fileByteCount(const PictureDocument& doc);
