#include "artwork.h"

Artwork blankArtwork(ArtworkKind kind, int width, int height, int frameCount) {
    Artwork artwork;
    artwork.kind = kind;
    artwork.width = width;
    artwork.height = height;
    artwork.frames.assign(frameCount,
                          std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 0));
    return artwork;
}

Artwork artworkFrom(const DecodedPicture& picture) {
    Artwork artwork = blankArtwork(picture.kind, picture.MX, picture.MY, picture.kK);
    artwork.zZ = picture.zZ;
    for (int frame = 0; frame < picture.kK; ++frame) {
        for (int y = 0; y < picture.MY; ++y) {
            for (int x = 0; x < picture.MX; ++x) {
                artwork.set(frame, x, y, picture.cellAt(frame + 1, x + 1, y + 1) != 0);
            }
        }
    }
    return artwork;
}

Artwork artworkFrom(const DecodedBmp& bmp) {
    Artwork artwork = blankArtwork(ArtworkKind::Picture, bmp.width, bmp.height, 1);
    for (int y = 0; y < bmp.height; ++y) {
        for (int x = 0; x < bmp.width; ++x) {
            artwork.set(0, x, y, bmp.cellAt(x + 1, y + 1) != 0);
        }
    }
    return artwork;
}

bool fitsTheEditor(const Artwork& artwork) {
    const int frameCount = static_cast<int>(artwork.frames.size());
    const int mostFrames = artwork.kind == ArtworkKind::Picture ? 1 : kMaxArtworkFrames;
    return artwork.width >= 1 && artwork.width <= kMaxArtworkWidth && artwork.height >= 1 &&
           artwork.height <= kMaxArtworkHeight && frameCount >= 1 && frameCount <= mostFrames;
}

std::vector<std::uint8_t> encodeArtwork(const Artwork& artwork) {
    const auto byte = [](int value) { return static_cast<std::uint8_t>(value); };
    const int frameCount = static_cast<int>(artwork.frames.size());
    std::vector<std::uint8_t> out;
    if (artwork.kind == ArtworkKind::Animation) {
        out = {kAnimationTag, byte(artwork.width), byte(artwork.height), byte(frameCount),
               byte(artwork.zZ)};
    } else {
        out = {kPictureTag, byte(artwork.width), byte(artwork.height)};
    }
    const int rowLength = rowBytes(artwork.width);
    for (int frame = 0; frame < frameCount; ++frame) {
        for (int y = 0; y < artwork.height; ++y) {
            const std::size_t rowStart = out.size();
            out.resize(rowStart + rowLength, 0);
            for (int x = 0; x < artwork.width; ++x) {
                if (artwork.isSet(frame, x, y)) {
                    out[rowStart + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                }
            }
        }
    }
    return out;
}
