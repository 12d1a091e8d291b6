#include "gsm7.h"
#include "smstext.h"
#include "utf8.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SmsText, SeptetsPackAfterTheHeaderFillBits) {
    const auto text = smsTextOf(U"hellohello");
    ASSERT_TRUE(text && text->coding == DataCoding::Gsm7);
    Bytes septets;
    for (const auto& character : text->characters) {
        septets.insert(septets.end(), character.begin(), character.end());
    }
    EXPECT_EQ(packSeptets(septets, 0),
              (Bytes{0xE8, 0x32, 0x9B, 0xFD, 0x46, 0x97, 0xD9, 0xEC, 0x37}));
    EXPECT_EQ(packSeptets({0x41}, 1), (Bytes{0x82}));
    EXPECT_EQ(smsTextOf(U"€")->characters.front(), (Bytes{0x1B, 0x65}));
    EXPECT_EQ(smsTextOf(U"ж")->coding, DataCoding::Ucs2);
}

// Every character of the alphabet and of its extension table, written after user data headers
// of every length mod 7, reads back as it was written.
TEST(Gsm7, EveryCharacterComesBackAfterEveryHeaderLength) {
    const Gsm7Alphabet& alphabet = gsm7DefaultAlphabet();
    std::u32string text;
    Bytes expected;
    for (std::size_t septet = 0; septet < alphabet.characters.size(); ++septet) {
        if (septet != kGsm7Escape) {
            text += alphabet.characters[septet];
            expected.push_back(static_cast<std::uint8_t>(septet));
        }
    }
    for (const auto& [septet, character] : alphabet.extension) {
        text += character;
        expected.insert(expected.end(), {kGsm7Escape, septet});
    }
    Bytes septets;
    for (const char32_t character : text) {
        const auto written = toGsm7(character);
        ASSERT_TRUE(written) << static_cast<unsigned>(character);
        septets.insert(septets.end(), written->begin(), written->end());
    }
    ASSERT_EQ(septets, expected);
    for (int headerOctets = 0; headerOctets < 7; ++headerOctets) {
        const int fillBits = (7 - headerOctets * 8 % 7) % 7;
        Bytes userData(headerOctets, 0xFF);
        const Bytes packed = packSeptets(septets, fillBits);
        userData.insert(userData.end(), packed.begin(), packed.end());
        const Bytes unpacked = unpackSeptets(userData, (headerOctets * 8 + fillBits) / 7,
                                             static_cast<int>(septets.size()));
        EXPECT_EQ(unpacked, septets) << headerOctets;
        EXPECT_EQ(decodeUtf8(fromGsm7(unpacked)), text) << headerOctets;
    }
}

} // namespace
