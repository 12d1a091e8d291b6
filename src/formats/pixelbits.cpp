#include "pixelbits.h"

namespace {

bool bitAt(const std::uint8_t* data, std::size_t bit) {
    return (data[bit / 8] & (0x80 >> (bit % 8))) != 0;
}

} // namespace

std::size_t rowFrameOctets(int width, int height) {
    return (static_cast<std::size_t>(width) + 7) / 8 * static_cast<std::size_t>(height);
}

std::size_t streamFrameOctets(int width, int height) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(height) + 7) / 8;
}

void drawRowFrame(Artwork& artwork, int frame, const std::uint8_t* data) {
    const std::size_t rowBits = (static_cast<std::size_t>(artwork.width) + 7) / 8 * 8;
    for (int y = 0; y < artwork.height; ++y) {
        for (int x = 0; x < artwork.width; ++x) {
            artwork.set(frame, x, y, bitAt(data, y * rowBits + x));
        }
    }
}

void drawStreamFrame(Artwork& artwork, int frame, const std::uint8_t* data) {
    std::size_t bit = 0;
    for (int y = 0; y < artwork.height; ++y) {
        for (int x = 0; x < artwork.width; ++x) {
            artwork.set(frame, x, y, bitAt(data, bit++));
        }
    }
}
