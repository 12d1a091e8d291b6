#include "emscodec.h"
#include "filetestsupport.h"
#include "newdocument.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const DecodedPicture& decoded(const DecodeResult& result) {
    EXPECT_TRUE(std::holds_alternative<DecodedPicture>(result));
    static const DecodedPicture none;
    const auto* picture = std::get_if<DecodedPicture>(&result);
    return picture ? *picture : none;
}

TEST(EmsCodec, PictureBytesFollowTheFormat) {
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

TEST(EmsCodec, LastByteOfARowCarriesTheCellsBeyondTheWidth) {
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

TEST(EmsCodec, NewAnimationIs133Bytes) {
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
TEST(EmsCodec, RandomDocumentsRoundTrip) {
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
        const DecodeResult result = decode(bytes);
        const DecodedPicture& picture = decoded(result);
        applyDecoded(*target, picture);

        SCOPED_TRACE(testing::Message()
                     << source->MX << " x " << source->MY << " x " << int(source->kK));
        EXPECT_EQ(target->kind, source->kind);
        EXPECT_EQ(target->MX, source->MX);
        EXPECT_EQ(target->MY, source->MY);
        EXPECT_EQ(target->kK, source->kK);
        EXPECT_EQ(target->zZ, animation ? source->zZ : 77);
        EXPECT_EQ(target->k, 1);
        EXPECT_EQ(encode(*target), bytes);
        // The first frame alone: the same cells as frame 1 of the whole file.
        const DecodeResult firstResult = decodeFirstFrame(bytes);
        const DecodedPicture& first = decoded(firstResult);
        EXPECT_EQ(first.kK, 1);
        EXPECT_EQ(first.cells, std::vector<Cell>(picture.cells.begin(),
                                                 picture.cells.begin() + first.cells.size()));
        EXPECT_EQ(first.cells.size(), picture.cells.size() / source->kK);

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

TEST(EmsCodec, BadFilesGiveTheirError) {
    struct Case {
        Bytes bytes;
        DecodeError error;
    };
    const Case cases[] = {
        {{}, DecodeError::Unsupported},
        {{0x00, 0x10, 0x10}, DecodeError::Unsupported},
        {{0x03, 0x10, 0x10}, DecodeError::Unsupported},
        {{0x02}, DecodeError::BadHeader},
        {{0x02, 0x10}, DecodeError::BadHeader},
        {{0x06, 0x10, 0x10}, DecodeError::BadHeader},
        {{0x02, 0, 16}, DecodeError::BadHeader},
        {{0x02, 129, 16}, DecodeError::BadHeader},
        {{0x02, 16, 0}, DecodeError::BadHeader},
        {{0x02, 16, 97}, DecodeError::BadHeader},
        {{0x06, 16, 16, 0, 16}, DecodeError::BadHeader},
        {{0x06, 16, 16, 17, 16}, DecodeError::BadHeader},
        {{0x06, 129, 16, 4, 16}, DecodeError::BadHeader},
    };
    for (const Case& c : cases) {
        const DecodeResult result = decode(c.bytes);
        ASSERT_TRUE(std::holds_alternative<DecodeError>(result)) << testing::PrintToString(c.bytes);
        EXPECT_EQ(std::get<DecodeError>(result), c.error) << testing::PrintToString(c.bytes);
        const DecodeResult first = decodeFirstFrame(c.bytes);
        ASSERT_TRUE(std::holds_alternative<DecodeError>(first)) << testing::PrintToString(c.bytes);
        EXPECT_EQ(std::get<DecodeError>(first), c.error) << testing::PrintToString(c.bytes);
    }
}

TEST(EmsCodec, HeaderLimitsAndDelaysAreAccepted) {
    EXPECT_EQ(decoded(decode({0x02, 1, 1})).MX, 1);
    EXPECT_EQ(decoded(decode({0x02, 128, 96})).MY, 96);
    EXPECT_EQ(decoded(decode({0x06, 8, 8, 16, 0})).kK, 16);
    EXPECT_EQ(decoded(decode({0x06, 8, 8, 1, 0})).zZ, 0);
    EXPECT_EQ(decoded(decode({0x06, 8, 8, 1, 255})).zZ, 255);
}

TEST(EmsCodec, MissingPixelBytesReadAsClearAndExtraBytesAreIgnored) {
    const DecodeResult shortResult = decode({0x02, 16, 2, 0xFF});
    const DecodedPicture& picture = decoded(shortResult);
    ASSERT_EQ(picture.cells.size(), 16u * 2u);
    for (int x = 1; x <= 16; ++x) {
        EXPECT_EQ(picture.cellAt(1, x, 1), x <= 8 ? kCellSet : kCellClear) << x;
        EXPECT_EQ(picture.cellAt(1, x, 2), kCellClear) << x;
    }

    auto doc = makeDocument();
    for (int x = 1; x <= 16; ++x) {
        doc->pixels[1][x][2] = kCellSet;
    }
    applyDecoded(*doc, picture);
    EXPECT_EQ(doc->pixels[1][8][1], kCellSet);
    EXPECT_EQ(doc->pixels[1][9][1], kCellClear);
    EXPECT_EQ(doc->pixels[1][16][2], kCellClear);

    const DecodeResult longResult = decode({0x02, 8, 1, 0x81, 0xFF, 0xFF});
    EXPECT_EQ(decoded(longResult).cells.size(), 8u);
    EXPECT_EQ(decoded(longResult).cellAt(1, 8, 1), kCellSet);
}

} // namespace
