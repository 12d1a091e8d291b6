#pragma once

#include <QByteArray>

// An 8-bit grey picture, one byte per pixel (0 black, 255 white), rows from the top.
struct GreyImage {
    int width = 0;
    int height = 0;
    QByteArray pixels;

    char* row(int y) { return pixels.data() + static_cast<qsizetype>(y) * width; }
};

// The image as the bytes of a PNG file: greyscale of 8 bits, no interlacing, every row
// unfiltered, one compressed data chunk.
QByteArray encodePng(const GreyImage& image);
