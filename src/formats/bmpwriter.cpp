#include "bmpwriter.h"

#include "bmpreader.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kRowsStart = kFileHeaderBytes + kInfoHeaderBytes + 2 * 4;

void putWord(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void putDoubleWord(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    putWord(out, at, value & 0xFFFF);
    putWord(out, at + 2, value >> 16);
}

} // namespace

std::vector<std::uint8_t> encodeBmp(const Artwork& artwork, int frame) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(artwork.width) + 31) / 32 * 4;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(artwork.height);
    std::vector<std::uint8_t> out(kRowsStart + pixelBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    putDoubleWord(out, 2, static_cast<std::uint32_t>(out.size()));
    putDoubleWord(out, kRowsStartField, kRowsStart);
    putDoubleWord(out, kHeaderSizeField, kInfoHeaderBytes);
    putDoubleWord(out, kWidthField, static_cast<std::uint32_t>(artwork.width));
    putDoubleWord(out, kHeightField, static_cast<std::uint32_t>(artwork.height));
    putWord(out, kPlanesField, 1);
    putWord(out, kBitCountField, 1);
    putDoubleWord(out, kCompressionField + 4, pixelBytes); // biSizeImage
    putDoubleWord(out, kColoursUsedField, 2);
    // Palette entry 0 stays black; entry 1 is white.
    const std::size_t white = kRowsStart - 4;
    out[white] = out[white + 1] = out[white + 2] = 0xFF;

    for (int y = 0; y < artwork.height; ++y) {
        const std::size_t rowStart = kRowsStart + (artwork.height - 1 - y) * rowBytes;
        std::fill(out.begin() + rowStart, out.begin() + rowStart + rowBytes, 0xFF);
        for (int x = 0; x < artwork.width; ++x) {
            if (artwork.isSet(frame, x, y)) {
                out[rowStart + x / 8] &= static_cast<std::uint8_t>(~(0x80 >> (x % 8)));
            }
        }
    }
    return out;
}
