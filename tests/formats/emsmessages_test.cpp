#include "emsmessages.h"
#include "smssubmit.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

Artwork checkered(DocumentKind kind, int width, int height, int frames) {
    Artwork artwork = blankArtwork(kind, width, height, frames);
    for (int frame = 0; frame < frames; ++frame) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                artwork.set(frame, x, y, (x * 7 + y * 3 + frame) % 5 < 2);
            }
        }
    }
    return artwork;
}

// Whatever the text's length, coding and the picture's place in it, every message fits its
// 140 octets (160 septets), the parts are numbered, and the text arrives whole and in order.
TEST(EmsMessages, EveryMessageFitsAndTheTextArrivesWhole) {
    const Artwork strips = checkered(DocumentKind::Picture, 72, 28, 1);
    const Artwork extended = checkered(DocumentKind::Animation, 40, 30, 9);
    for (const std::u32string unit : {U"ab€d{", U"жёлтый"}) {
        for (int length = 0; length <= 420; length += 35) {
            std::u32string text;
            while (text.size() < static_cast<std::size_t>(length)) {
                text += unit;
            }
            text.resize(length);
            for (const Artwork* artwork : {&strips, &extended}) {
                for (const int position : {0, length / 2, length}) {
                    EmsRequest request;
                    request.carrier = emsCarrierFor(*artwork, false);
                    request.text = *smsTextOf(text);
                    request.position = position;
                    const auto result = emsMessages(*artwork, request);
                    ASSERT_TRUE(std::holds_alternative<std::vector<ShortMessage>>(result));
                    const auto& messages = std::get<std::vector<ShortMessage>>(result);
                    std::size_t characters = 0;
                    for (std::size_t index = 0; index < messages.size(); ++index) {
                        const UserData userData = userDataOf(messages[index]);
                        EXPECT_LE(userData.header.size() + userData.rest.size(), 140u);
                        EXPECT_LE(userData.length, 160);
                        if (messages.size() > 1) {
                            EXPECT_EQ(messages[index].elements.front().data,
                                      (Bytes{1, static_cast<std::uint8_t>(messages.size()),
                                             static_cast<std::uint8_t>(index + 1)}));
                        }
                        for (const auto& character : messages[index].body.characters) {
                            EXPECT_EQ(character, request.text.characters[characters++]);
                        }
                    }
                    EXPECT_EQ(characters, text.size());
                }
            }
        }
    }
}

} // namespace
