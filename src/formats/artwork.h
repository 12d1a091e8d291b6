#pragma once

#include "bmpreader.h"
#include "emscodec.h"

#include <cstdint>
#include <vector>

// A picture or an animation as the tools outside the editor hold it: whole frames of the true
// size, one byte per pixel (1 set, 0 clear), rows from the top, nothing beyond the width.
struct Artwork {
    ArtworkKind kind = ArtworkKind::Picture;
    int width = 0;
    int height = 0;
    int zZ = 0; // delay between frames in units of 12 ms; 0 for a picture
    std::vector<std::vector<std::uint8_t>> frames;

    // 0-based, as every tool outside the editor counts.
    bool isSet(int frame, int x, int y) const {
        return frames[frame][static_cast<std::size_t>(y) * width + x] != 0;
    }
    void set(int frame, int x, int y, bool on) {
        frames[frame][static_cast<std::size_t>(y) * width + x] = on ? 1 : 0;
    }
};

// Clear frames of the given size and count.
Artwork blankArtwork(ArtworkKind kind, int width, int height, int frameCount);

Artwork artworkFrom(const DecodedPicture& picture);
Artwork artworkFrom(const DecodedBmp& bmp);

// Whether the editor can hold it: 1..128 x 1..96, 1..16 frames, one frame for a picture.
bool fitsTheEditor(const Artwork& artwork);

// The bytes of an .ems file (a picture) or an .ema file (an animation), with clear fill bits.
// The artwork must fit the editor.
std::vector<std::uint8_t> encodeArtwork(const Artwork& artwork);
