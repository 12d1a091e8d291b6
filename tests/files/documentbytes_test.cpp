#include "applydecoded.h"
#include "documentbytes.h"
#include "emscodec.h"
#include "filetestsupport.h"
#include "newdocument.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(DocumentBytes, PictureBytesFollowTheFormat) {
    auto doc = makePicture(16, 16);
    doc->pixels[1][1][1] = kCellSet;
    doc->pixels[1][16][16] = kCellSet;
    Bytes bytes = encode(*doc);
    ASSERT_EQ(bytes.size(), 35u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 5), (Bytes{0x02, 0x10, 0x10, 0x80, 0x00}));
    EXPECT_EQ(bytes.back(), 0x01);

    doc = makePicture(10, 2);
    doc->pixels[1][1][1] = kCellSet;
    EXPECT_EQ(encode(*doc), (Bytes{0x02, 0x0A, 0x02, 0x80, 0x00, 0x00, 0x00}));

    // A picture is written from frame 1 whatever else the store holds.
    doc->pixels[2][2][1] = kCellSet;
    doc->k = 2;
    EXPECT_EQ(encode(*doc), (Bytes{0x02, 0x0A, 0x02, 0x80, 0x00, 0x00, 0x00}));
}

TEST(DocumentBytes, LastByteOfARowCarriesTheCellsBeyondTheWidth) {
    auto doc = makePicture(101, 46);
    doc->pixels[1][97][1] = kCellSet;  // bit 7 of the row's last byte
    doc->pixels[1][101][1] = kCellSet; // bit 3
    doc->pixels[1][102][1] = kCellSet; // bit 2: outside the picture, kept in the file
    doc->pixels[1][104][1] = kCellSet; // bit 0
    doc->pixels[1][105][1] = kCellSet; // beyond 8R: not in the file
    doc->pixels[1][101][46] = kCellSet;
    const Bytes bytes = encode(*doc);
    ASSERT_EQ(bytes.size(), 601u);
    EXPECT_EQ(bytes[3 + 12], 0x80 | 0x08 | 0x04 | 0x01);
    EXPECT_EQ(bytes[3 + 13], 0x00);
    EXPECT_EQ(bytes[600], 0x08);

    doc = makePicture(128, 96);
    doc->pixels[1][128][96] = kCellSet;
    const Bytes largest = encode(*doc);
    ASSERT_EQ(largest.size(), 1539u);
    EXPECT_EQ(largest.back(), 0x01);
}

TEST(DocumentBytes, NewAnimationIs133Bytes) {
    auto doc = makeDocument();
    newAnimation(*doc);
    doc->pixels[4][16][16] = kCellSet;
    doc->pixels[5][1][1] = kCellSet; // beyond the frame count: not written
    const Bytes bytes = encode(*doc);
    ASSERT_EQ(bytes.size(), 133u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 5), (Bytes{0x06, 0x10, 0x10, 0x04, 0x10}));
    EXPECT_EQ(bytes.back(), 0x01);
    EXPECT_EQ(std::count(bytes.begin() + 5, bytes.end(), 0), 127);
}

// Random documents of every kind, size and frame count, with random cells beyond the width:
// decoding the bytes into another document rebuilds the covered block and nothing else.
TEST(DocumentBytes, RandomDocumentsRoundTrip) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> width(1, kMaxWidth);
    std::uniform_int_distribution<int> height(1, kMaxHeight);
    std::uniform_int_distribution<int> frames(1, kMaxFrames);
    std::uniform_int_distribution<int> delay(0, 255);
    auto source = makeDocument();
    auto target = makeDocument();
    auto before = makeDocument();
    for (int round = 0; round < 40; ++round) {
        const bool animation = round % 2 == 1;
        source->kind = animation ? DocumentKind::Animation : DocumentKind::Picture;
        source->MX = round == 0 ? kMaxWidth : width(random);
        source->MY = round == 0 ? kMaxHeight : height(random);
        source->kK = static_cast<std::uint8_t>(animation ? frames(random) : 1);
        source->zZ = static_cast<std::uint8_t>(delay(random));
        scribble(*source, random);
        scribble(*target, random);
        target->k = 3;
        target->zZ = 77;
        *before = *target;

        // R = ceil(MX / 8) bytes a row, worked out here rather than taken from the program.
        const int rowLength = (source->MX + 7) / 8;
        const int headerLength = animation ? 5 : 3;
        const Bytes bytes = encode(*source);
        ASSERT_EQ(static_cast<int>(bytes.size()),
                  headerLength + source->kK * rowLength * source->MY);
        EXPECT_EQ(fileByteCount(*source), static_cast<int>(bytes.size()));
        const DecodeResult result = decode(bytes);
        ASSERT_TRUE(std::holds_alternative<DecodedPicture>(result));
        applyDecoded(*target, std::get<DecodedPicture>(result));

        SCOPED_TRACE(testing::Message()
                     << source->MX << " x " << source->MY << " x " << int(source->kK));
        EXPECT_EQ(target->kind, source->kind);
        EXPECT_EQ(target->MX, source->MX);
        EXPECT_EQ(target->MY, source->MY);
        EXPECT_EQ(target->kK, source->kK);
        EXPECT_EQ(target->zZ, animation ? source->zZ : 77);
        EXPECT_EQ(target->k, 1);
        EXPECT_EQ(encode(*target), bytes);

        const int blockWidth = 8 * rowLength;
        int mismatches = 0;
        for (int f = 1; f <= kMaxFrames; ++f) {
            for (int x = 1; x <= kMaxWidth; ++x) {
                for (int y = 1; y <= kMaxHeight; ++y) {
                    const bool covered = f <= source->kK && x <= blockWidth && y <= source->MY;
                    const Cell expected =
                        covered ? source->pixels[f][x][y] : before->pixels[f][x][y];
                    mismatches += target->pixels[f][x][y] != expected;
                }
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

} // namespace
