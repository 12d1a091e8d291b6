#include "emsmessages.h"
#include "messagelisting.h"
#include "nokiasmart.h"
#include "smssubmit.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;

Artwork randomArtwork(ArtworkKind kind, int width, int height, int frames) {
    std::mt19937 random(static_cast<unsigned>(width * 1000 + height * 10 + frames));
    Artwork artwork = blankArtwork(kind, width, height, frames);
    artwork.zZ = kind == ArtworkKind::Animation ? 1 + static_cast<int>(random() % 255) : 0;
    for (auto& frame : artwork.frames) {
        for (auto& pixel : frame) {
            pixel = random() % 2;
        }
    }
    return artwork;
}

// The messages as a listing of TPDUs, one a line in hex, as the converter writes them.
Bytes listingOf(const std::vector<ShortMessage>& messages) {
    static const char digits[] = "0123456789ABCDEF";
    Bytes listing;
    for (const ShortMessage& message : messages) {
        for (const std::uint8_t octet : submitTpdu("+79161234567", message)) {
            listing.push_back(digits[octet >> 4]);
            listing.push_back(digits[octet & 0x0F]);
        }
        listing.push_back('\n');
    }
    return listing;
}

// The first picture or animation read back, or a failure saying why there is none.
Artwork readBack(const Bytes& listing) {
    const MessageListing result = decodeMessageListing(listing);
    if (!result.notes.empty()) {
        ADD_FAILURE() << "line " << result.notes[0].line << ": " << result.notes[0].what;
        return {};
    }
    const auto& items = result.items;
    if (items.empty() || !items.front().artwork) {
        ADD_FAILURE() << "no picture or animation read back";
        return {};
    }
    return *items.front().artwork;
}

// The pixels sent arrive in place; a Variable Picture rounds the width up to whole octets with
// clear pixels, every other element keeps it.
::testing::AssertionResult samePixels(const Artwork& sent, const Artwork& read, bool octetWide) {
    const int width = octetWide ? (sent.width + 7) / 8 * 8 : sent.width;
    if (read.width != width || read.height != sent.height || read.kind != sent.kind ||
        read.frames.size() != sent.frames.size()) {
        return ::testing::AssertionFailure()
               << "read " << read.width << " x " << read.height << " x " << read.frames.size();
    }
    for (std::size_t f = 0; f < sent.frames.size(); ++f) {
        for (int y = 0; y < read.height; ++y) {
            for (int x = 0; x < read.width; ++x) {
                const bool expected = x < sent.width && sent.isSet(static_cast<int>(f), x, y);
                if (read.isSet(static_cast<int>(f), x, y) != expected) {
                    return ::testing::AssertionFailure()
                           << "frame " << f << ", pixel " << x << "," << y;
                }
            }
        }
    }
    return ::testing::AssertionSuccess();
}

Artwork sentAndRead(const Artwork& artwork, EmsCarrier carrier) {
    EmsRequest request;
    request.carrier = carrier;
    request.reference = artwork.width;
    const auto messages = emsMessages(artwork, request);
    if (!std::holds_alternative<std::vector<ShortMessage>>(messages)) {
        ADD_FAILURE() << "the writer refused " << artwork.width << " x " << artwork.height;
        return {};
    }
    return readBack(listingOf(std::get<std::vector<ShortMessage>>(messages)));
}

// Every size the editor holds goes out as messages and comes back the same: pictures in their
// standard element and as an Extended Object, animations of two frames as Extended Objects
// with their delay as the frame time rounded to tenths of a second.
TEST(MessageRoundTrip, EverySizeComesBackAsItWasSent) {
    for (int width = 1; width <= kMaxArtworkWidth; ++width) {
        for (int height = 1; height <= kMaxArtworkHeight; ++height) {
            SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
            const Artwork picture = randomArtwork(ArtworkKind::Picture, width, height, 1);
            const EmsCarrier standard = emsCarrierFor(picture, false);
            const bool octetWide = standard == EmsCarrier::VariablePicture ||
                                   standard == EmsCarrier::VariablePictureStrips;
            ASSERT_TRUE(samePixels(picture, sentAndRead(picture, standard), octetWide));
            ASSERT_TRUE(
                samePixels(picture, sentAndRead(picture, EmsCarrier::ExtendedBitmap), false));

            const Artwork animation = randomArtwork(ArtworkKind::Animation, width, height, 2);
            const Artwork read = sentAndRead(animation, EmsCarrier::ExtendedAnimation);
            ASSERT_TRUE(samePixels(animation, read, false));
            ASSERT_EQ(read.zZ, (frameTenths(animation.zZ) * 100 + 6) / 12);
        }
    }
}

TEST(MessageRoundTrip, StandardAnimationsAndNokiaMessagesComeBack) {
    for (const int side : {kSmallAnimationSide, kLargeAnimationSide}) {
        const Artwork animation = randomArtwork(ArtworkKind::Animation, side, side, 4);
        const Artwork read = sentAndRead(animation, emsCarrierFor(animation, false));
        EXPECT_TRUE(samePixels(animation, read, false));
        EXPECT_EQ(read.zZ, 16);
    }
    const Artwork picture =
        randomArtwork(ArtworkKind::Picture, kNokiaPictureWidth, kNokiaPictureHeight, 1);
    const auto pictureMessages =
        portMessages(kNokiaPicturePort, nokiaPictureMessage(picture, U"Привет 😀"), 5);
    const Bytes pictureListing = listingOf(std::get<std::vector<ShortMessage>>(pictureMessages));
    EXPECT_TRUE(samePixels(picture, readBack(pictureListing), false));
    const MessageListing pictureRead = decodeMessageListing(pictureListing);
    ASSERT_FALSE(pictureRead.messages.empty());
    EXPECT_EQ(pictureRead.messages.front().text, "Привет 😀");
    const Artwork logo = randomArtwork(ArtworkKind::Picture, kNokiaLogoWidth, kNokiaLogoHeight, 1);
    const auto logoMessages =
        portMessages(kNokiaOperatorLogoPort, operatorLogo(*operatorCode("250 01"), logo), 6);
    EXPECT_TRUE(samePixels(
        logo, readBack(listingOf(std::get<std::vector<ShortMessage>>(logoMessages))), false));
}

} // namespace
