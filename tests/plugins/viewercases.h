#pragma once

#include "artwork.h"
#include "emscodec.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A file as a viewer gets it, and what the editor's decoder makes of it (nothing when refused).
struct ViewerCase {
    std::string name; // a file name: its ending picks the MIME type and the Qt format
    Bytes bytes;
    std::optional<Artwork> expected;
    bool plays = false;
};

// Frames with every pixel different from its neighbours in some frame: x + y + frame decides.
inline Artwork patternArtwork(ArtworkKind kind, int width, int height, int frames, int zZ) {
    Artwork artwork = blankArtwork(kind, width, height, frames);
    artwork.zZ = zZ;
    for (int frame = 0; frame < frames; ++frame) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                artwork.set(frame, x, y, (x * 7 + y * 3 + frame) % 5 < 2);
            }
        }
    }
    return artwork;
}

inline ViewerCase viewerCase(std::string name, Bytes bytes) {
    ViewerCase made{std::move(name), std::move(bytes), std::nullopt, false};
    const DecodeResult decoded = decode(made.bytes);
    if (const auto* picture = std::get_if<DecodedPicture>(&decoded)) {
        made.expected = artworkFrom(*picture);
        made.plays = made.expected->frames.size() > 1 && made.expected->zZ > 0;
    }
    return made;
}

// Good files of every kind the editor reads, and files it refuses. A delay of 75 steps (900 ms)
// is one that a frame rate of 1000 / 900 per second would cut to 899 ms.
inline std::vector<ViewerCase> viewerCases() {
    const Bytes picture = encodeArtwork(patternArtwork(ArtworkKind::Picture, 10, 3, 1, 0));
    Bytes withFillBits = picture;
    for (std::size_t row = 0; row < 3; ++row) {
        withFillBits[kPictureHeaderBytes + 2 * row + 1] |= 0x3f; // columns 11..16: never shown
    }
    Bytes cut = encodeArtwork(patternArtwork(ArtworkKind::Animation, 16, 16, 4, 255));
    cut.resize(cut.size() - 40);
    Bytes trailing = encodeArtwork(patternArtwork(ArtworkKind::Animation, 128, 96, 16, 3));
    trailing.resize(trailing.size() + 100000, 0xff);
    return {
        viewerCase("fill.ems", withFillBits),
        viewerCase("largest.ems",
                   encodeArtwork(patternArtwork(ArtworkKind::Picture, 128, 96, 1, 0))),
        viewerCase("largest.ema",
                   encodeArtwork(patternArtwork(ArtworkKind::Animation, 128, 96, 16, 75))),
        viewerCase("trailing.ema", trailing),
        viewerCase("cut.ema", cut),
        viewerCase("stopped.ema",
                   encodeArtwork(patternArtwork(ArtworkKind::Animation, 9, 5, 3, 0))),
        viewerCase("oneframe.ema",
                   encodeArtwork(patternArtwork(ArtworkKind::Animation, 9, 5, 1, 7))),
        viewerCase("nodelay.ema", {6, 16, 16, 4}),
        viewerCase("picture-as.ema", picture),
        viewerCase("empty.ems", {}),
        viewerCase("tag.ems", {9, 8, 8, 0, 0, 0, 0, 0, 0, 0, 0}),
        viewerCase("wide.ems", {2, 129, 8}),
        viewerCase("tall.ems", {2, 8, 97}),
        viewerCase("frames.ema", {6, 8, 8, 17, 1}),
        viewerCase("noframes.ema", {6, 8, 8, 0, 1}),
        viewerCase("short.ema", {6, 8}),
        viewerCase("text.ems", {'h', 'e', 'l', 'l', 'o', '\n'}),
    };
}
