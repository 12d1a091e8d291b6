#pragma once

#include "picturedocument.h"

#include <cstdint>
#include <memory>

// Documents for the command tests. A PictureDocument is about half a megabyte, so tests keep it
// on the heap.

inline std::unique_ptr<PictureDocument> makePicture(int width, int height) {
    auto doc = std::make_unique<PictureDocument>();
    doc->MX = width;
    doc->MY = height;
    return doc;
}

inline std::unique_ptr<PictureDocument> makeAnimation(int width, int height, int frames,
                                                      int current) {
    auto doc = makePicture(width, height);
    doc->kind = DocumentKind::Animation;
    doc->kK = static_cast<std::uint8_t>(frames);
    doc->k = static_cast<std::uint8_t>(current);
    return doc;
}

// Sets cells of the whole stored frame (x 1..128, y 1..96) in an irregular pattern that differs
// per seed, so that no one-pixel scroll leaves it as it was.
inline Frame patternFrame(unsigned seed) {
    Frame frame{};
    for (unsigned x = 1; x <= kMaxWidth; ++x)
        for (unsigned y = 1; y <= kMaxHeight; ++y) {
            const std::uint32_t mixed = (x * 73856093u) ^ (y * 19349663u) ^ (seed * 83492791u);
            frame[x][y] = (mixed * 2654435761u) >> 31 ? kCellSet : kCellClear;
        }
    return frame;
}

// A picture whose whole stored frame holds patternFrame(seed).
inline std::unique_ptr<PictureDocument> patternPicture(int width, int height, unsigned seed) {
    auto doc = makePicture(width, height);
    doc->pixels[1] = patternFrame(seed);
    return doc;
}

// An animation in which every stored frame, used or not, holds the pattern of its own number.
inline std::unique_ptr<PictureDocument> patternAnimation(int width, int height, int frames,
                                                         int current) {
    auto doc = makeAnimation(width, height, frames, current);
    for (int frame = 1; frame <= kMaxFrames; ++frame)
        doc->pixels[frame] = patternFrame(frame);
    return doc;
}
