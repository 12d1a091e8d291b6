#pragma once

#include "artworktypes.h"

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

// Two-colour Windows bitmaps, the one kind of outside picture the program imports:
//   file header, 14 bytes: "BM", file size, two reserved words, bfOffBits (where the rows start);
//   info header: the old 12-byte core header (16-bit width and height, 3-byte palette entries), or
//     BITMAPINFOHEADER of 40 bytes or one of its longer versions (52, 56, 108, 124 bytes) with
//     32-bit signed width and height and 4-byte palette entries;
//   the palette right after the info header;
//   at bfOffBits the rows, each padded to whole 4-byte words, the bottom row first, or the top
//     row first when the height is negative. Within a byte the leftmost pixel is the top bit.
// Only one bit per pixel, one plane and no compression are taken.

// Where the header fields lie, in bytes from the start of the file.
constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kRowsStartField = 10;  // bfOffBits
constexpr std::size_t kHeaderSizeField = 14; // the info header's own length
// BITMAPINFOHEADER and its longer versions.
constexpr std::size_t kWidthField = 18;
constexpr std::size_t kHeightField = 22;
constexpr std::size_t kPlanesField = 26;
constexpr std::size_t kBitCountField = 28;
constexpr std::size_t kCompressionField = 30;
constexpr std::size_t kColoursUsedField = 46;
// The core header, whose fields are 16 bits wide.
constexpr std::size_t kCoreWidthField = 18;
constexpr std::size_t kCoreHeightField = 20;
constexpr std::size_t kCorePlanesField = 22;
constexpr std::size_t kCoreBitCountField = 24;

// How much of a file the import reads. A valid 128 x 96 file needs at most 14 + 124 + 8 + 1536 =
// 1682 bytes; the rest leaves room for a full palette, a gap before the rows or a colour
// profile, while a large file chosen by mistake is never loaded whole. Bytes past this bound are
// not looked at, so a file is never refused for its length alone.
constexpr std::size_t kBmpReadLimit = 64 * 1024;

enum class BmpError {
    NotBmp,            // no "BM" signature, or the file ends inside the headers
    UnsupportedHeader, // an info header of another size
    NotTwoColour,      // not one bit per pixel in one plane
    Compressed,        // any compression
    BadSize,           // width outside 1..128 or height outside 1..96
    Truncated,         // the rows start inside the headers or run past the end of the file
};

// A checked file, unpacked, before it touches any document.
struct DecodedBmp {
    int width = 0;
    int height = 0;
    // Columns 1..storedWidth() of rows 1..height (top row first), column by column, 0 or -1 per
    // cell. The columns after `width` hold the fill bits that complete each stored row.
    std::vector<DecodedCell> cells;

    // The width rounded up to whole 32-bit words: the pixels one stored row holds, at most 128.
    int storedWidth() const;
    DecodedCell cellAt(int x, int y) const; // 1-based, y from the top
};

using BmpResult = std::variant<BmpError, DecodedBmp>;

// Checks and unpacks a whole file. Of the two palette colours the darker one (by 299 R + 587 G +
// 114 B) gives set cells and the lighter one clear cells; when both are equally bright, colour 0
// gives the set cells. A file that holds colour 0 alone (one colour declared, or room for one
// entry only before the rows) has the pixels of that colour set when it is dark and clear when it
// is light; a file without a palette is read as black on white, colour 0 set. Bytes after the
// rows are ignored.
BmpResult decodeBmp(const std::vector<std::uint8_t>& bytes);
