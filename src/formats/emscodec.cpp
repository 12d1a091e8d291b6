#include "emscodec.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

// The rows of a frame hold byte j of every row in columns 8j + 1 .. 8j + 8. Both directions work
// on one such byte column at a time, gathered top to bottom, so that the inner loops run down
// the store's columns, which lie contiguous in memory.
using ByteColumn = std::array<std::uint8_t, kMaxArtworkHeight>;

// Writes the rows of one frame, whose column 1 starts at `frame`, to `out`, R bytes per row.
void packFrame(const DecodedCell* frame, std::size_t columnStride, int width, int height,
               std::uint8_t* out) {
    const int rowLength = rowBytes(width);
    ByteColumn packed;
    for (int byteIndex = 0; byteIndex < rowLength; ++byteIndex) {
        packed.fill(0);
        for (int bit = 0; bit < 8; ++bit) {
            const DecodedCell* cells = frame + (8 * byteIndex + bit) * columnStride;
            const auto mask = static_cast<std::uint8_t>(0x80 >> bit);
            for (int y = 0; y < height; ++y) {
                packed[y] |= cells[y] != 0 ? mask : 0;
            }
        }
        for (int y = 0; y < height; ++y) {
            out[y * rowLength + byteIndex] = packed[y];
        }
    }
}

// Reads the rows of one frame from `in` into a block of 8R columns of `height` cells each.
void unpackFrame(const std::uint8_t* in, int width, int height, DecodedCell* block) {
    const int rowLength = rowBytes(width);
    ByteColumn packed;
    for (int byteIndex = 0; byteIndex < rowLength; ++byteIndex) {
        for (int y = 0; y < height; ++y) {
            packed[y] = in[y * rowLength + byteIndex];
        }
        for (int bit = 0; bit < 8; ++bit) {
            DecodedCell* cells = block + static_cast<std::size_t>(8 * byteIndex + bit) * height;
            const int shift = 7 - bit;
            for (int y = 0; y < height; ++y) {
                cells[y] = static_cast<DecodedCell>(-((packed[y] >> shift) & 1));
            }
        }
    }
}

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

} // namespace

int DecodedPicture::blockWidth() const {
    return 8 * rowBytes(MX);
}

DecodedCell DecodedPicture::cellAt(int frame, int x, int y) const {
    const std::size_t column = static_cast<std::size_t>(frame - 1) * blockWidth() + (x - 1);
    return cells[column * MY + (y - 1)];
}

CellColumns DecodedPicture::columns() const {
    const auto columnCells = static_cast<std::size_t>(MY);
    return {cells.data(), columnCells * blockWidth(), columnCells};
}

std::vector<std::uint8_t> encode(const EmsHeader& header, const CellColumns& cells) {
    const auto byte = [](int value) { return static_cast<std::uint8_t>(value); };
    const bool animation = header.kind == ArtworkKind::Animation;
    std::vector<std::uint8_t> out;
    if (animation) {
        out = {kAnimationTag, byte(header.MX), byte(header.MY), byte(header.kK), byte(header.zZ)};
    } else {
        out = {kPictureTag, byte(header.MX), byte(header.MY)};
    }
    const std::size_t headerBytes = out.size();
    const int frames = animation ? header.kK : 1;
    const std::size_t frameBytes = static_cast<std::size_t>(rowBytes(header.MX)) * header.MY;
    out.resize(headerBytes + frames * frameBytes);
    for (int frame = 0; frame < frames; ++frame) {
        packFrame(cells.first + frame * cells.frameStride, cells.columnStride, header.MX, header.MY,
                  out.data() + headerBytes + frame * frameBytes);
    }
    return out;
}

namespace {

// Decodes frames 1 to min(kK, frameLimit) of a file whose header passes the checks; the result's
// kK counts the frames unpacked.
DecodeResult decodeFrames(const std::vector<std::uint8_t>& bytes, int frameLimit) {
    if (bytes.empty() || (bytes[0] != kPictureTag && bytes[0] != kAnimationTag)) {
        return DecodeError::Unsupported;
    }
    const bool animation = bytes[0] == kAnimationTag;
    const std::size_t headerBytes = animation ? kAnimationHeaderBytes : kPictureHeaderBytes;
    // A file shorter than its header announces reads as if padded with zero bytes: a missing
    // size or frame count then fails the range check, a missing delay or pixel byte reads as 0.
    const auto byteAt = [&bytes](std::size_t at) { return at < bytes.size() ? bytes[at] : 0; };

    DecodedPicture picture;
    picture.kind = animation ? ArtworkKind::Animation : ArtworkKind::Picture;
    picture.MX = byteAt(1);
    picture.MY = byteAt(2);
    picture.kK = animation ? byteAt(3) : 1;
    picture.zZ = animation ? byteAt(4) : 0;
    if (!inRange(picture.MX, 1, kMaxArtworkWidth) || !inRange(picture.MY, 1, kMaxArtworkHeight) ||
        !inRange(picture.kK, 1, kMaxArtworkFrames)) {
        return DecodeError::BadHeader;
    }

    picture.kK = std::min(picture.kK, frameLimit);
    const std::size_t frameBytes = static_cast<std::size_t>(rowBytes(picture.MX)) * picture.MY;
    std::vector<std::uint8_t> pixels(picture.kK * frameBytes, 0);
    if (bytes.size() > headerBytes) {
        const std::size_t present = std::min(pixels.size(), bytes.size() - headerBytes);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(headerBytes), present,
                    pixels.begin());
    }

    const std::size_t blockCells = static_cast<std::size_t>(picture.blockWidth()) * picture.MY;
    picture.cells.resize(picture.kK * blockCells);
    for (int frame = 0; frame < picture.kK; ++frame) {
        unpackFrame(pixels.data() + frame * frameBytes, picture.MX, picture.MY,
                    picture.cells.data() + frame * blockCells);
    }
    return picture;
}

} // namespace

DecodeResult decode(const std::vector<std::uint8_t>& bytes) {
    return decodeFrames(bytes, kMaxArtworkFrames);
}

DecodeResult decodeFirstFrame(const std::vector<std::uint8_t>& bytes) {
    return decodeFrames(bytes, 1);
}
