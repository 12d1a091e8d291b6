#include "bmpfixtures.h"
#include "bmpreader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DecodedBmp decoded(const Bytes& file, const std::string& what) {
    BmpResult result = decodeBmp(file);
    if (const BmpError* error = std::get_if<BmpError>(&result)) {
        ADD_FAILURE() << what << " refused with error " << static_cast<int>(*error);
        return {};
    }
    return std::get<DecodedBmp>(std::move(result));
}

// Every stored cell, fill columns included.
void expectSameCells(const DecodedBmp& actual, const DecodedBmp& expected, const std::string& what,
                     bool inverted = false) {
    ASSERT_EQ(actual.width, expected.width) << what;
    ASSERT_EQ(actual.height, expected.height) << what;
    for (int x = 1; x <= expected.storedWidth(); ++x) {
        for (int y = 1; y <= expected.height; ++y) {
            const DecodedCell wanted =
                inverted ? static_cast<DecodedCell>(~expected.cellAt(x, y)) : expected.cellAt(x, y);
            ASSERT_EQ(actual.cellAt(x, y), wanted) << what << " at " << x << ", " << y;
        }
    }
}

TEST(BmpReader, FilesOfOtherProgramsReadAsTheyLook) {
    struct Case {
        QString name;
        int width;
        int height;
        int storedWidth;
    };
    const Case cases[] = {
        {"imagemagick-32x32.bmp", 32, 32, 32},
        {"pillow-32x32.bmp", 32, 32, 32},
        {"imagemagick-72x14.bmp", 72, 14, 96},
        {"pillow-72x14.bmp", 72, 14, 96},
        {"imagemagick-128x96.bmp", 128, 96, 128},
        {"pillow-128x96.bmp", 128, 96, 128},
        {"imagemagick-5x5.bmp", 5, 5, 32},
        {"pillow-5x5.bmp", 5, 5, 32},
        {"imagemagick-1x1.bmp", 1, 1, 32},
        {"pillow-1x1.bmp", 1, 1, 32},
        {"imagemagick-core-32x32.bmp", 32, 32, 32},
        {"imagemagick-v4-32x32.bmp", 32, 32, 32},
        {"imagemagick-white-first-72x14.bmp", 72, 14, 96},
    };
    for (const Case& c : cases) {
        const std::string what = c.name.toStdString();
        const DecodedBmp bmp = decoded(fixtureBytes(c.name), what);
        ASSERT_EQ(bmp.width, c.width) << what;
        ASSERT_EQ(bmp.height, c.height) << what;
        ASSERT_EQ(bmp.storedWidth(), c.storedWidth) << what;
        ASSERT_EQ(bmp.cells.size(), static_cast<std::size_t>(c.storedWidth * c.height)) << what;
        for (int x = 1; x <= c.width; ++x) {
            for (int y = 1; y <= c.height; ++y) {
                ASSERT_EQ(bmp.cellAt(x, y), blackInPattern(x, y) ? kDecodedSet : kDecodedClear)
                    << what << " at " << x << ", " << y;
            }
        }
    }
}

// The programs fill a row with zero bits: colour 0, black in two of these files and white in the
// third.
TEST(BmpReader, FillBitsGoIntoTheColumnsBeyondTheWidth) {
    const std::pair<QString, DecodedCell> cases[] = {
        {"pillow-72x14.bmp", kDecodedSet},
        {"imagemagick-72x14.bmp", kDecodedSet},
        {"imagemagick-white-first-72x14.bmp", kDecodedClear}};
    for (const auto& [name, fill] : cases) {
        const DecodedBmp bmp = decoded(fixtureBytes(name), name.toStdString());
        for (int x = 73; x <= 96; ++x) {
            for (int y = 1; y <= 14; ++y) {
                ASSERT_EQ(bmp.cellAt(x, y), fill) << name.toStdString() << " at " << x << ", " << y;
            }
        }
    }
}

TEST(BmpReader, OtherLayoutsOfTheSameFileReadTheSame) {
    for (const QString name : {"pillow-5x5.bmp", "imagemagick-72x14.bmp", "pillow-128x96.bmp"}) {
        const Bytes file = fixtureBytes(name);
        const DecodedBmp original = decoded(file, name.toStdString());
        Bytes trailing = file;
        trailing.resize(file.size() + 3000, 0x5A);
        Bytes twoColoursDeclared = file;
        put32(twoColoursDeclared, kColoursUsedField, 2);
        Bytes manyColoursDeclared = file;
        put32(manyColoursDeclared, kColoursUsedField, 256);
        const std::pair<const char*, Bytes> variants[] = {
            {"top row first", topDown(file)},
            {"palette swapped", swappedPalette(file)},
            {"52-byte header", longerHeader(file, 52)},
            {"56-byte header", longerHeader(file, 56)},
            {"108-byte header", longerHeader(file, 108)},
            {"124-byte header", longerHeader(file, 124)},
            {"gap before the rows", inserted(file, get32(file, kRowsStartField), 10, 0xA5)},
            {"bytes after the rows", trailing},
            {"two colours declared", twoColoursDeclared},
            {"256 colours declared", manyColoursDeclared},
        };
        for (const auto& [what, bytes] : variants) {
            const std::string label = name.toStdString() + ", " + what;
            expectSameCells(decoded(bytes, label), original, label);
        }
    }
}

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

void putColour(Bytes& file, int index, Rgb colour) {
    const std::size_t at = kPaletteStart + 4 * index;
    file[at] = colour.blue;
    file[at + 1] = colour.green;
    file[at + 2] = colour.red;
}

// The darker colour gives the set cells, colour 0 on a tie. Pillow's file stores black as
// colour 0, so its cells come out inverted exactly when colour 1 is the darker one.
TEST(BmpReader, DarkerPaletteColourGivesTheSetCells) {
    struct Case {
        const char* what;
        Rgb colour0;
        Rgb colour1;
        bool inverted;
    };
    const Rgb black{0, 0, 0}, white{255, 255, 255}, grey{128, 128, 128};
    const Rgb navy{0, 0, 128}, yellow{255, 255, 0};
    const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255};
    const Case cases[] = {
        {"black, white", black, white, false}, {"white, black", white, black, true},
        {"grey, grey", grey, grey, false},     {"white, white", white, white, false},
        {"navy, yellow", navy, yellow, false}, {"yellow, navy", yellow, navy, true},
        {"red, green", red, green, false},     {"green, red", green, red, true},
        {"blue, red", blue, red, false},       {"red, blue", red, blue, true},
    };
    const Bytes file = fixtureBytes("pillow-5x5.bmp");
    const DecodedBmp original = decoded(file, "original");
    for (const Case& c : cases) {
        Bytes recoloured = file;
        putColour(recoloured, 0, c.colour0);
        putColour(recoloured, 1, c.colour1);
        expectSameCells(decoded(recoloured, c.what), original, c.what, c.inverted);
    }
}

// With colour 0 alone, its pixels are set when it is dark; with no palette, colour 0 is black.
TEST(BmpReader, ShortOrMissingPalettes) {
    struct Case {
        const char* what;
        std::uint32_t declared;
        std::size_t entriesKept;
        Rgb colour0;
        bool inverted;
    };
    const Case cases[] = {
        {"one colour declared, black", 1, 2, {0, 0, 0}, false},
        {"one colour declared, white", 1, 2, {255, 255, 255}, true},
        {"one colour declared, dark grey", 1, 2, {100, 100, 100}, false},
        {"one colour declared, light grey", 1, 2, {200, 200, 200}, true},
        {"room for one entry, white", 0, 1, {255, 255, 255}, true},
        {"room for one entry, black", 0, 1, {0, 0, 0}, false},
        {"no palette", 0, 0, {255, 255, 255}, false},
    };
    const Bytes file = fixtureBytes("pillow-5x5.bmp");
    const DecodedBmp original = decoded(file, "original");
    for (const Case& c : cases) {
        Bytes changed = file;
        putColour(changed, 0, c.colour0);
        put32(changed, kColoursUsedField, c.declared);
        const std::size_t removed = 4 * (2 - c.entriesKept);
        changed.erase(changed.begin() + static_cast<std::ptrdiff_t>(kPaletteStart + 8 - removed),
                      changed.begin() + kPaletteStart + 8);
        put32(changed, kRowsStartField, static_cast<std::uint32_t>(kPaletteStart + 8 - removed));
        expectSameCells(decoded(changed, c.what), original, c.what, c.inverted);
    }
}

TEST(BmpReader, RefusesWhatItCannotRead) {
    struct Case {
        std::string what;
        Bytes bytes;
        BmpError error;
    };
    const Bytes file = fixtureBytes("pillow-5x5.bmp");
    const Bytes core = fixtureBytes("imagemagick-core-32x32.bmp");
    const auto changed = [](Bytes bytes, std::size_t at, std::uint32_t value, bool word = false) {
        if (word) {
            put16(bytes, at, static_cast<std::uint16_t>(value));
        } else {
            put32(bytes, at, value);
        }
        return bytes;
    };
    const auto cut = [](const Bytes& bytes, std::size_t length) {
        return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    };
    const std::string text = "Not a picture at all, only some words.\n";
    const std::vector<Case> cases = {
        {"empty", {}, BmpError::NotBmp},
        {"signature only", {'B', 'M'}, BmpError::NotBmp},
        {"text", Bytes(text.begin(), text.end()), BmpError::NotBmp},
        {"other signature", changed(file, 0, 'B' | 'A' << 8, true), BmpError::NotBmp},
        {"ends inside the info header", cut(file, 40), BmpError::NotBmp},
        {"core header cut", cut(core, 20), BmpError::NotBmp},
        {"64-byte header", changed(file, kHeaderSizeField, 64), BmpError::UnsupportedHeader},
        {"header size 0", changed(file, kHeaderSizeField, 0), BmpError::UnsupportedHeader},
        {"header size 41", changed(file, kHeaderSizeField, 41), BmpError::UnsupportedHeader},
        {"24 bits per pixel", fixtureBytes("imagemagick-24bit-8x8.bmp"), BmpError::NotTwoColour},
        {"RLE-compressed", fixtureBytes("imagemagick-rle8-8x8.bmp"), BmpError::NotTwoColour},
        {"4 bits per pixel", changed(file, kBitCountField, 4, true), BmpError::NotTwoColour},
        {"two planes", changed(file, kPlanesField, 2, true), BmpError::NotTwoColour},
        {"core, 8 bits per pixel", changed(core, 24, 8, true), BmpError::NotTwoColour},
        {"RLE8 named", changed(file, kCompressionField, 1), BmpError::Compressed},
        {"bit fields", changed(file, kCompressionField, 3), BmpError::Compressed},
        {"width 0", changed(file, kWidthField, 0), BmpError::BadSize},
        {"width 129", fixtureBytes("pillow-129x2.bmp"), BmpError::BadSize},
        {"width 288", changed(file, kWidthField, 288), BmpError::BadSize},
        {"width 65568", changed(file, kWidthField, 65568), BmpError::BadSize},
        {"width -5", changed(file, kWidthField, static_cast<std::uint32_t>(-5)), BmpError::BadSize},
        {"width -2^31", changed(file, kWidthField, 0x80000000u), BmpError::BadSize},
        {"height 0", changed(file, kHeightField, 0), BmpError::BadSize},
        {"height 97", changed(file, kHeightField, 97), BmpError::BadSize},
        {"height 100", fixtureBytes("pillow-8x100.bmp"), BmpError::BadSize},
        {"height 261", changed(file, kHeightField, 261), BmpError::BadSize},
        {"height -97", changed(file, kHeightField, static_cast<std::uint32_t>(-97)),
         BmpError::BadSize},
        {"height -2^31", changed(file, kHeightField, 0x80000000u), BmpError::BadSize},
        {"core, width 129", changed(core, 18, 129, true), BmpError::BadSize},
        {"core, height 97", changed(core, 20, 97, true), BmpError::BadSize},
        {"last byte missing", cut(file, file.size() - 1), BmpError::Truncated},
        {"rows start at the end", changed(file, kRowsStartField, file.size()), BmpError::Truncated},
        {"rows start at 2^32 - 1", changed(file, kRowsStartField, 0xFFFFFFFFu),
         BmpError::Truncated},
        {"rows start inside the header", changed(file, kRowsStartField, 20), BmpError::Truncated},
        {"rows start at 0", changed(file, kRowsStartField, 0), BmpError::Truncated},
        {"higher than stored", changed(file, kHeightField, 6), BmpError::Truncated},
    };
    for (const Case& c : cases) {
        const BmpResult result = decodeBmp(c.bytes);
        const BmpError* error = std::get_if<BmpError>(&result);
        ASSERT_NE(error, nullptr) << c.what << " was read";
        EXPECT_EQ(*error, c.error) << c.what;
    }
}

} // namespace
