#include "applydecoded.h"
#include "bmpfixtures.h"
#include "bmpreader.h"
#include "emscodec.h"
#include "filetestsupport.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplyDecoded, ShortFileClearsWhatItLacks) {
    const DecodeResult result = decode({0x02, 16, 2, 0xFF});
    ASSERT_TRUE(std::holds_alternative<DecodedPicture>(result));
    const DecodedPicture& picture = std::get<DecodedPicture>(result);
    auto doc = makeDocument();
    for (int x = 1; x <= 16; ++x) {
        doc->pixels[1][x][2] = kCellSet;
    }
    applyDecoded(*doc, picture);
    EXPECT_EQ(doc->pixels[1][8][1], kCellSet);
    EXPECT_EQ(doc->pixels[1][9][1], kCellClear);
    EXPECT_EQ(doc->pixels[1][16][2], kCellClear);
}

TEST(ApplyDecoded, BmpWritesTheCurrentFrameAndTheSize) {
    auto doc = makeAnimation(32, 32, 4, 2);
    std::mt19937 random(3);
    scribble(*doc, random);
    auto before = makeDocument();
    *before = *doc;

    const BmpResult result = decodeBmp(fixtureBytes("pillow-72x14.bmp"));
    ASSERT_TRUE(std::holds_alternative<DecodedBmp>(result));
    const DecodedBmp& bmp = std::get<DecodedBmp>(result);
    applyBmp(*doc, bmp);

    EXPECT_EQ(doc->MX, 72);
    EXPECT_EQ(doc->MY, 14);
    for (int x = 1; x <= kMaxWidth; ++x) {
        for (int y = 1; y <= kMaxHeight; ++y) {
            const bool covered = x <= 96 && y <= 14;
            ASSERT_EQ(doc->pixels[2][x][y], covered ? bmp.cellAt(x, y) : before->pixels[2][x][y])
                << x << ", " << y;
        }
    }
    doc->MX = before->MX;
    doc->MY = before->MY;
    doc->pixels[2] = before->pixels[2];
    expectSameDocument(*doc, *before);
}

} // namespace
