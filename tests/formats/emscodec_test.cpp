#include "emscodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const DecodedPicture& decoded(const DecodeResult& result) {
    EXPECT_TRUE(std::holds_alternative<DecodedPicture>(result));
    static const DecodedPicture none;
    const auto* picture = std::get_if<DecodedPicture>(&result);
    return picture ? *picture : none;
}

// Random whole files of every kind, size and frame count: encoding what decoding gives, from the
// decoded cells where they lie, gives the same bytes back, and the first frame alone is the start
// of the whole.
TEST(EmsCodec, RandomFilesRoundTrip) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> width(1, 128);
    std::uniform_int_distribution<int> height(1, 96);
    std::uniform_int_distribution<int> frames(1, 16);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 40; ++round) {
        const bool animation = round % 2 == 1;
        const int mx = round < 2 ? 128 : width(random);
        const int my = round < 2 ? 96 : height(random);
        const int kK = animation ? frames(random) : 1;
        Bytes bytes = animation ? Bytes{6, Bytes::value_type(mx), Bytes::value_type(my),
                                        Bytes::value_type(kK), Bytes::value_type(byte(random))}
                                : Bytes{2, Bytes::value_type(mx), Bytes::value_type(my)};
        // R = ceil(MX / 8) bytes a row, worked out here rather than taken from the program.
        const int pixelBytes = kK * ((mx + 7) / 8) * my;
        for (int i = 0; i < pixelBytes; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(byte(random)));
        }
        SCOPED_TRACE(testing::Message() << mx << " x " << my << " x " << kK);

        const DecodeResult result = decode(bytes);
        const DecodedPicture& picture = decoded(result);
        EXPECT_EQ(encode(picture, picture.columns()), bytes);
        EXPECT_EQ(fileByteCount(picture), static_cast<int>(bytes.size()));

        const DecodeResult firstResult = decodeFirstFrame(bytes);
        const DecodedPicture& first = decoded(firstResult);
        EXPECT_EQ(first.kK, 1);
        EXPECT_EQ(first.cells.size(), picture.cells.size() / kK);
        EXPECT_TRUE(std::equal(first.cells.begin(), first.cells.end(), picture.cells.begin()));
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
        EXPECT_EQ(picture.cellAt(1, x, 1), x <= 8 ? kDecodedSet : kDecodedClear) << x;
        EXPECT_EQ(picture.cellAt(1, x, 2), kDecodedClear) << x;
    }

    const DecodeResult longResult = decode({0x02, 8, 1, 0x81, 0xFF, 0xFF});
    EXPECT_EQ(decoded(longResult).cells.size(), 8u);
    EXPECT_EQ(decoded(longResult).cellAt(1, 8, 1), kDecodedSet);
}

} // namespace
