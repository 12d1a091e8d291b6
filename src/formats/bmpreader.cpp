#include "bmpreader.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::array<std::uint32_t, 5> kInfoHeaderBytes = {40, 52, 56, 108, 124};

struct Colour {
    int red;
    int green;
    int blue;
};

// What the headers say, before any pixel is read.
struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0; // negative for rows stored top row first
    int planes = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::size_t paletteStart = 0;
    int paletteEntryBytes = 0;
    std::int64_t declaredColours = 2;
    std::uint32_t rowsStart = 0;
};

std::uint16_t word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t doubleWord(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(word(bytes, at)) |
           static_cast<std::uint32_t>(word(bytes, at + 2)) << 16;
}

std::int32_t signedDoubleWord(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::int32_t>(doubleWord(bytes, at));
}

std::variant<BmpError, Layout> readLayout(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kHeaderSizeField + 4 || bytes[0] != 'B' || bytes[1] != 'M') {
        return BmpError::NotBmp;
    }
    const std::uint32_t headerBytes = doubleWord(bytes, kHeaderSizeField);
    const bool core = headerBytes == kCoreHeaderBytes;
    if (!core && std::find(kInfoHeaderBytes.begin(), kInfoHeaderBytes.end(), headerBytes) ==
                     kInfoHeaderBytes.end()) {
        return BmpError::UnsupportedHeader;
    }
    Layout layout;
    layout.paletteStart = kFileHeaderBytes + headerBytes;
    if (bytes.size() < layout.paletteStart) {
        return BmpError::NotBmp;
    }

    layout.rowsStart = doubleWord(bytes, kRowsStartField);
    if (core) {
        layout.width = word(bytes, kCoreWidthField);
        layout.height = word(bytes, kCoreHeightField);
        layout.planes = word(bytes, kCorePlanesField);
        layout.bitsPerPixel = word(bytes, kCoreBitCountField);
        layout.paletteEntryBytes = 3;
        return layout;
    }
    layout.width = signedDoubleWord(bytes, kWidthField);
    layout.height = signedDoubleWord(bytes, kHeightField);
    layout.planes = word(bytes, kPlanesField);
    layout.bitsPerPixel = word(bytes, kBitCountField);
    layout.compression = doubleWord(bytes, kCompressionField);
    layout.paletteEntryBytes = 4;
    const std::uint32_t coloursUsed = doubleWord(bytes, kColoursUsedField);
    if (coloursUsed != 0) {
        layout.declaredColours = coloursUsed;
    }
    return layout;
}

// Colour `index` of the palette, when the file declares it and it lies wholly before the rows.
std::optional<Colour> paletteColour(const std::vector<std::uint8_t>& bytes, const Layout& layout,
                                    int index) {
    const std::size_t at = layout.paletteStart + index * layout.paletteEntryBytes;
    if (index >= layout.declaredColours || at + layout.paletteEntryBytes > layout.rowsStart) {
        return std::nullopt;
    }
    return Colour{bytes[at + 2], bytes[at + 1], bytes[at]};
}

// 0 for black up to 255000 for white.
int brightness(const Colour& colour) {
    return 299 * colour.red + 587 * colour.green + 114 * colour.blue;
}

// The stored bit that stands for a set cell: the one of the darker colour, colour 0 on a tie.
// When the file holds colour 0 alone, the pixels of that colour are set if it is dark and clear
// if it is light (a missing colour 1 is taken as its opposite). Without a palette the usual one
// applies, black as colour 0.
int setCellBit(const std::vector<std::uint8_t>& bytes, const Layout& layout) {
    const std::optional<Colour> colour0 = paletteColour(bytes, layout, 0);
    const std::optional<Colour> colour1 = paletteColour(bytes, layout, 1);
    if (!colour0) {
        return 0;
    }
    if (!colour1) {
        constexpr int kMidGrey = 255000 / 2;
        return brightness(*colour0) <= kMidGrey ? 0 : 1;
    }
    return brightness(*colour1) < brightness(*colour0) ? 1 : 0;
}

} // namespace

int DecodedBmp::storedWidth() const {
    return (width + 31) / 32 * 32;
}

DecodedCell DecodedBmp::cellAt(int x, int y) const {
    return cells[static_cast<std::size_t>(x - 1) * height + (y - 1)];
}

BmpResult decodeBmp(const std::vector<std::uint8_t>& bytes) {
    const std::variant<BmpError, Layout> read = readLayout(bytes);
    if (const BmpError* error = std::get_if<BmpError>(&read)) {
        return *error;
    }
    const Layout& layout = std::get<Layout>(read);
    if (layout.planes != 1 || layout.bitsPerPixel != 1) {
        return BmpError::NotTwoColour;
    }
    if (layout.compression != 0) {
        return BmpError::Compressed;
    }
    const std::int64_t rows = layout.height < 0 ? -layout.height : layout.height;
    if (layout.width < 1 || layout.width > kMaxArtworkWidth || rows < 1 ||
        rows > kMaxArtworkHeight) {
        return BmpError::BadSize;
    }

    DecodedBmp bmp;
    bmp.width = static_cast<int>(layout.width);
    bmp.height = static_cast<int>(rows);
    const int rowBytes = bmp.storedWidth() / 8;
    const std::uint64_t rowsEnd = std::uint64_t{layout.rowsStart} + std::uint64_t(rowBytes) * rows;
    if (layout.rowsStart < layout.paletteStart || rowsEnd > bytes.size()) {
        return BmpError::Truncated;
    }

    const int setCell = setCellBit(bytes, layout);
    // Column by column, so that the cells are written in the order they lie in memory.
    const std::uint8_t* firstRow = bytes.data() + layout.rowsStart;
    const bool topRowFirst = layout.height < 0;
    bmp.cells.resize(static_cast<std::size_t>(bmp.storedWidth()) * bmp.height);
    DecodedCell* column = bmp.cells.data();
    for (int x = 0; x < bmp.storedWidth(); ++x, column += bmp.height) {
        const std::uint8_t* byte = firstRow + x / 8;
        const int shift = 7 - x % 8;
        for (int stored = 0; stored < bmp.height; ++stored, byte += rowBytes) {
            const int y = topRowFirst ? stored : bmp.height - 1 - stored;
            column[y] = ((*byte >> shift) & 1) == setCell ? kDecodedSet : kDecodedClear;
        }
    }
    return bmp;
}
