#pragma once

#include "artwork.h"

#include <cstdint>
#include <vector>

// One frame (0-based) of the artwork as a two-colour BMP in the layout every program reads and
// the editor's own import takes back unchanged: a 40-byte BITMAPINFOHEADER, the palette black
// then white, rows from the bottom at offset 62, a set cell a 0 bit (black). The fill bits that
// complete each row to whole 4-byte words are 1: they come in as clear cells.
std::vector<std::uint8_t> encodeBmp(const Artwork& artwork, int frame);
