#pragma once

#include "bmpreader.h"
#include "filetestsupport.h"

#include <QString>

#include <algorithm>
#include <cstdint>

// The picture every file of tests/data/bmp shows (scripts/make-bmp-fixtures draws it with
// ImageMagick and Pillow): the pixel at x, y (1-based, y from the top) is black when
// (3(x - 1) + 5(y - 1)) mod 7 = 0 or x = y.
inline bool blackInPattern(int x, int y) {
    return (3 * (x - 1) + 5 * (y - 1)) % 7 == 0 || x == y;
}

inline QString bmpFixture(const QString& name) {
    return QStringLiteral(TEST_DATA_DIR "/bmp/") + name;
}

inline Bytes fixtureBytes(const QString& name) {
    return readBytes(bmpFixture(name));
}

// Little-endian header fields, to derive from real files the cases no program writes.
inline std::uint32_t get32(const Bytes& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

inline void put16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    put16(bytes, at, static_cast<std::uint16_t>(value));
    put16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

// Where the palette of a file with the 40-byte info header starts.
constexpr std::size_t kPaletteStart = kFileHeaderBytes + 40;

inline std::size_t storedRowBytes(const Bytes& file) {
    return (get32(file, kWidthField) + 31) / 32 * 4;
}

// The same picture stored top row first: the height negated and the rows in reverse order.
inline Bytes topDown(const Bytes& file) {
    const std::size_t start = get32(file, kRowsStartField);
    const std::size_t rowBytes = storedRowBytes(file);
    const auto rows = static_cast<std::int32_t>(get32(file, kHeightField));
    Bytes result(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(start));
    put32(result, kHeightField, static_cast<std::uint32_t>(-rows));
    for (std::int32_t row = rows - 1; row >= 0; --row) {
        const auto first = file.begin() + static_cast<std::ptrdiff_t>(start + row * rowBytes);
        result.insert(result.end(), first, first + static_cast<std::ptrdiff_t>(rowBytes));
    }
    return result;
}

// The same picture with its two palette colours swapped and every stored bit inverted.
inline Bytes swappedPalette(const Bytes& file) {
    Bytes result = file;
    std::swap_ranges(result.begin() + kPaletteStart, result.begin() + kPaletteStart + 4,
                     result.begin() + kPaletteStart + 4);
    for (std::size_t at = get32(file, kRowsStartField); at < result.size(); ++at) {
        result[at] = static_cast<std::uint8_t>(~result[at]);
    }
    return result;
}

// The file with `count` bytes of `fill` inserted at `at`; the rows start that much later.
inline Bytes inserted(const Bytes& file, std::size_t at, std::size_t count, std::uint8_t fill) {
    Bytes result = file;
    result.insert(result.begin() + static_cast<std::ptrdiff_t>(at), count, fill);
    put32(result, kRowsStartField,
          static_cast<std::uint32_t>(get32(file, kRowsStartField) + count));
    return result;
}

// The 40-byte info header grown to a later version's length, the new fields zero.
inline Bytes longerHeader(const Bytes& file, std::uint32_t headerBytes) {
    Bytes result = inserted(file, kPaletteStart, headerBytes - 40, 0);
    put32(result, kHeaderSizeField, headerBytes);
    return result;
}
