#include "bitmappacking.h"

std::vector<std::uint8_t> paddedRows(const Artwork& artwork, int frame, int firstColumn,
                                     int width) {
    const int rowOctets = (width + 7) / 8;
    std::vector<std::uint8_t> octets(static_cast<std::size_t>(rowOctets) * artwork.height, 0);
    for (int y = 0; y < artwork.height; ++y) {
        for (int x = 0; x < width && firstColumn + x < artwork.width; ++x) {
            if (artwork.isSet(frame, firstColumn + x, y)) {
                octets[static_cast<std::size_t>(y) * rowOctets + x / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return octets;
}

std::vector<std::uint8_t> bitRun(const Artwork& artwork, int frame) {
    const std::size_t bitCount = static_cast<std::size_t>(artwork.width) * artwork.height;
    std::vector<std::uint8_t> octets((bitCount + 7) / 8, 0);
    for (std::size_t bit = 0; bit < bitCount; ++bit) {
        if (artwork.frames[frame][bit] != 0) {
            octets[bit / 8] |= static_cast<std::uint8_t>(0x80 >> (bit % 8));
        }
    }
    return octets;
}
