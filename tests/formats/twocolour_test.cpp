#include "artwork.h"
#include "bmpreader.h"
#include "bmpwriter.h"
#include "twocolour.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// White, with dark columns [left, right) of pixels over the whole height.
GreyPicture whiteWithColumns(int width, int height, double left, double right) {
    GreyPicture picture{width, height, {}, {}};
    picture.luma.assign(static_cast<std::size_t>(width) * height, 255);
    picture.opaque.assign(picture.luma.size(), 1);
    for (int y = 0; y < height; ++y) {
        for (int x = static_cast<int>(left); x < static_cast<int>(right); ++x) {
            picture.luma[static_cast<std::size_t>(y) * width + x] = 0;
        }
    }
    return picture;
}

// The columns of cells set in every row; -1 where some rows of a column differ.
std::vector<int> setColumns(const std::vector<std::uint8_t>& cells, CellsSize size) {
    std::vector<int> columns;
    for (int x = 0; x < size.width; ++x) {
        int count = 0;
        for (int y = 0; y < size.height; ++y) {
            count += cells[static_cast<std::size_t>(y) * size.width + x];
        }
        if (count == size.height) {
            columns.push_back(x);
        } else if (count != 0) {
            columns.push_back(-1);
        }
    }
    return columns;
}

TEST(TwoColour, DarkLinesStayLinesOfCellsAtEveryScale) {
    const CellsSize cells{16, 6};
    for (int tenths = 10; tenths <= 320; tenths += 7) {
        const double scale = tenths / 10.0; // pixels per cell
        const int width = static_cast<int>(std::lround(cells.width * scale));
        const int height = static_cast<int>(std::lround(cells.height * scale));
        const double step = static_cast<double>(width) / cells.width;
        SCOPED_TRACE("picture " + std::to_string(width) + " x " + std::to_string(height));

        // Three quarters of cell 5, from its left edge.
        const double left = std::ceil(5 * step);
        const GreyPicture inCell =
            whiteWithColumns(width, height, left, left + std::ceil(0.75 * step));
        if (left + std::ceil(0.75 * step) <= 6 * step) {
            EXPECT_EQ(setColumns(twoColourCells(inCell, cells, {}), cells), std::vector<int>{5});
        }

        // A whole cell's width, at every offset across cell 7: one column or two, never lost.
        for (double offset = 0; offset < step; offset += std::max(1.0, step / 5)) {
            const double start = std::floor(7 * step + offset);
            const auto columns = setColumns(
                twoColourCells(whiteWithColumns(width, height, start, start + std::ceil(step)),
                               cells, {}),
                cells);
            ASSERT_FALSE(columns.empty()) << "offset " << offset;
            EXPECT_GE(columns.front(), 7) << "offset " << offset;
            EXPECT_LE(columns.back(), 8) << "offset " << offset;
        }
    }
}

TEST(TwoColour, DitheredThinLinesKeepTheirShareOfInk) {
    const CellsSize cells{16, 96};
    const int scale = 8;
    // Lines of 1/8, 2/8 and 3/8 of a cell: the plain cut loses them all.
    for (int pixels = 1; pixels <= 3; ++pixels) {
        const GreyPicture picture =
            whiteWithColumns(16 * scale, 96 * scale, 4 * scale, 4 * scale + pixels);
        const auto plain = twoColourCells(picture, cells, {});
        EXPECT_EQ(std::count(plain.begin(), plain.end(), 1), 0);
        CutSettings dither;
        dither.dither = true;
        const auto dots = twoColourCells(picture, cells, dither);
        const auto ink = std::count(dots.begin(), dots.end(), 1);
        // The error still on its way when the bottom row is reached is lost: a few cells, however
        // long the line.
        EXPECT_NEAR(static_cast<double>(ink), 96.0 * pixels / scale, 4.0) << pixels << " pixels";
        for (std::size_t index = 0; index < dots.size(); ++index) {
            if (dots[index]) {
                EXPECT_LE(std::abs(static_cast<int>(index % 16) - 4), 1)
                    << "a dot far off the line";
            }
        }
    }
}

TEST(TwoColour, ThresholdInvertAndSeeThroughPixels) {
    struct Case {
        int luma;
        bool opaque;
        int threshold;
        bool invert;
        bool dither;
        bool set;
    };
    const Case cases[] = {
        {127, true, 128, false, false, true}, {128, true, 128, false, false, false},
        {0, true, 0, false, false, false},    {254, true, 255, false, false, true},
        {200, true, 128, true, false, true},  {20, true, 128, true, false, false},
        {0, false, 128, false, false, false}, {255, false, 128, true, false, false},
        {127, true, 128, false, true, true},  {128, true, 128, false, true, false},
        {255, false, 128, true, true, false}, {200, true, 128, true, true, true},
    };
    for (const Case& c : cases) {
        GreyPicture picture{1,
                            1,
                            {static_cast<std::uint8_t>(c.luma)},
                            {c.opaque ? std::uint8_t{1} : std::uint8_t{0}}};
        CutSettings settings{c.threshold, c.dither, c.invert};
        EXPECT_EQ(twoColourCells(picture, {1, 1}, settings)[0], c.set ? 1 : 0)
            << "luma " << c.luma << (c.opaque ? "" : " see-through") << " threshold " << c.threshold
            << (c.invert ? " inverted" : "") << (c.dither ? " dithered" : "");
    }
}

TEST(TwoColour, FittedSizesKeepTheAspectAndNeverEnlarge) {
    struct Case {
        int width, height, boxWidth, boxHeight, fitWidth, fitHeight;
    };
    const Case cases[] = {
        {4000, 3000, 128, 96, 128, 96}, {1000, 300, 128, 96, 128, 38}, {300, 1000, 128, 96, 28, 96},
        {100, 50, 128, 96, 100, 50},    {60000, 10, 128, 96, 128, 1},  {640, 480, 72, 28, 37, 28},
        {129, 96, 128, 96, 128, 95},    {20, 20, 8, 8, 8, 8},
    };
    for (const Case& c : cases) {
        const CellsSize fitted = fittedSize(c.width, c.height, c.boxWidth, c.boxHeight);
        EXPECT_EQ(fitted.width, c.fitWidth) << c.width << " x " << c.height;
        EXPECT_EQ(fitted.height, c.fitHeight) << c.width << " x " << c.height;
    }
}

// Every width the editor holds, through the editor's own import.
TEST(BmpWriter, TheEditorsImportReadsEveryFrameBackUnchanged) {
    for (int width = 1; width <= kMaxArtworkWidth; ++width) {
        const int height = 1 + width * 95 / kMaxArtworkWidth;
        Artwork artwork = blankArtwork(ArtworkKind::Animation, width, height, 2);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                artwork.set(1, x, y, (x * 7 + y * 3) % 5 == 0 || x == y);
            }
        }
        const BmpResult decoded = decodeBmp(encodeBmp(artwork, 1));
        ASSERT_TRUE(std::holds_alternative<DecodedBmp>(decoded)) << width;
        const DecodedBmp& bmp = std::get<DecodedBmp>(decoded);
        ASSERT_EQ(bmp.width, width);
        ASSERT_EQ(bmp.height, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < bmp.storedWidth(); ++x) {
                const bool wanted = x < width && artwork.isSet(1, x, y);
                ASSERT_EQ(bmp.cellAt(x + 1, y + 1) != kDecodedClear, wanted)
                    << width << ": " << x << ", " << y;
            }
        }
    }
}

} // namespace
