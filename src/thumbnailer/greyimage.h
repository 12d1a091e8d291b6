#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// An 8-bit grey picture, one byte per pixel (0 black, 255 white), rows from the top.
struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    std::uint8_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
};

// The image as the bytes of a PNG file: greyscale of 8 bits, no interlacing, every row
// filtered as "Up", one compressed data chunk. Nothing when zlib cannot compress it (out of
// memory).
std::optional<std::vector<std::uint8_t>> encodePng(const GreyImage& image);
