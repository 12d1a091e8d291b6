#pragma once

#include "emslayout.h"
#include "picturedocument.h"

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

// What a file holds, checked and unpacked, before it touches any document.
struct DecodedPicture {
    DocumentKind kind = DocumentKind::Picture;
    int MX = 0;
    int MY = 0;
    int kK = 0;
    int zZ = 0; // read from animations only; 0 for a picture
    // The block a file overwrites: columns 1..blockWidth() and rows 1..MY of frames 1..kK,
    // frame by frame, column by column, 0 or -1 per cell.
    std::vector<Cell> cells;

    int blockWidth() const;
    Cell cellAt(int frame, int x, int y) const; // 1-based, as in the document
};

using DecodeResult = std::variant<DecodeError, DecodedPicture>;

// The file bytes of the document: a picture as .ems, an animation as .ema.
std::vector<std::uint8_t> encode(const PictureDocument& doc);

// Reads a whole file. Bytes after the pixel data are ignored; bytes missing at the end of a short
// file read as 0: a missing delay is 0 (a stopped preview), missing pixels come out clear.
DecodeResult decode(const std::vector<std::uint8_t>& bytes);

// Like decode, with the same checks and errors, but frame 1 alone: kK is 1 whatever the file
// holds. Unpacking the 15 other frames of the largest animation would take half the time a
// thumbnail's whole process takes.
DecodeResult decodeFirstFrame(const std::vector<std::uint8_t>& bytes);

// Writes a decoded file into the document in one step: kind, size, frame count, delay (for an
// animation), the block of cells the file covers, and frame 1 as the current frame. Cells outside
// the block and frames after kK keep what they held.
void applyDecoded(PictureDocument& doc, const DecodedPicture& picture);
