#pragma once

#include "emslayout.h"

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

// The program's two file formats, laid out as emslayout.h says. With R = ceil(MX / 8) bytes a row,
// when MX is not a multiple of 8 the last byte of a row also carries the stored cells beyond MX
// (columns MX + 1 .. 8R), and reading puts them back there.

enum class DecodeError {
    Unsupported, // the first byte is no known tag, or there is no first byte
    BadHeader,   // a size or frame count out of range (a missing header byte reads as 0)
};

// Frames of cells held column by column, as a decoded file and the editor's store both hold them:
// cell x, y of frame f (all 1-based) lies at first[(f - 1) * frameStride + (x - 1) * columnStride
// + (y - 1)]. Encoding reads the cells where they lie.
struct CellColumns {
    const DecodedCell* first = nullptr;
    std::size_t frameStride = 0;
    std::size_t columnStride = 0;
};

// What a file holds, checked and unpacked, before it touches any document.
struct DecodedPicture : EmsHeader {
    // The block a file overwrites: columns 1..blockWidth() and rows 1..MY of frames 1..kK,
    // frame by frame, column by column, 0 or -1 per cell.
    std::vector<DecodedCell> cells;

    int blockWidth() const;
    DecodedCell cellAt(int frame, int x, int y) const; // 1-based
    CellColumns columns() const;
};

using DecodeResult = std::variant<DecodeError, DecodedPicture>;

// The file bytes: a picture as .ems (frame 1), an animation as .ema (frames 1..kK). Each row
// takes columns 1..8R, the cells beyond MX included, so those must lie in `cells` (8R is at most
// 128: the editor's store always holds them).
std::vector<std::uint8_t> encode(const EmsHeader& header, const CellColumns& cells);

// Reads a whole file. Bytes after the pixel data are ignored; bytes missing at the end of a short
// file read as 0: a missing delay is 0 (a stopped preview), missing pixels come out clear.
DecodeResult decode(const std::vector<std::uint8_t>& bytes);

// Like decode, with the same checks and errors, but frame 1 alone: kK is 1 whatever the file
// holds. Unpacking the 15 other frames of the largest animation would take half the time a
// thumbnail's whole process takes.
DecodeResult decodeFirstFrame(const std::vector<std::uint8_t>& bytes);
