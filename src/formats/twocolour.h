#pragma once

#include <cstdint>
#include <vector>

// Turning a picture of any size and shade into the two colours of a Mosaikon frame.
//
// Shades are plain luminance, (299 R + 587 G + 114 B) / 1000 of the stored (gamma-encoded)
// values, not linear light: a cell three quarters covered by a black line averages 64, well below
// the usual cut of 128, and stays set; averaged in linear light the same cell would come out at
// 137 and the line would be lost.

// A picture in shades of grey, rows from the top, one byte per pixel in each plane.
struct GreyPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> luma; // 0 black .. 255 white
    std::vector<std::uint8_t>
        opaque; // 1 where alpha is 128 or more, 0 where the pixel is see-through
};

struct CutSettings {
    int threshold = 128; // a shade below it is set
    bool dither = false; // Floyd-Steinberg error diffusion instead of the plain cut
    bool invert = false; // set and clear swap after the cut; see-through cells stay clear
};

struct CellsSize {
    int width = 0;
    int height = 0;
};

// The size a width x height picture takes within a box: its own when it fits, otherwise scaled
// down to the box keeping its aspect ratio, the side that does not reach the box rounded down and
// at least 1. Nothing is ever enlarged.
CellsSize fittedSize(int width, int height, int boxWidth, int boxHeight);

// The cells (1 set, 0 clear, rows from the top) of `picture` shrunk to `cells`, which is no
// larger than the picture in either direction. Each cell is the area average of its exact
// footprint in the picture, pixels cut by the footprint's edge counting with the part inside, and
// is cut after averaging: a cell at least half see-through is clear; otherwise its opaque pixels'
// average shade decides. A dark line three quarters of a cell wide in a cell's column or row stays
// a line of cells, and so does any dark line a cell wide wherever it falls; with dithering,
// thinner lines leave dots with their share of ink.
std::vector<std::uint8_t> twoColourCells(const GreyPicture& picture, CellsSize cells,
                                         const CutSettings& settings);
