#include "gsm7.h"
#include "smssubmit.h"
#include "smstext.h"
#include "smstpdu.h"
#include "utf8.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SmsText, SeptetsPackAfterTheHeaderFillBits) {
    const auto text = smsTextOf(U"hellohello");
    ASSERT_EQ(text.coding, DataCoding::Gsm7);
    Bytes septets;
    for (const auto& character : text.characters) {
        septets.insert(septets.end(), character.begin(), character.end());
    }
    EXPECT_EQ(packSeptets(septets, 0),
              (Bytes{0xE8, 0x32, 0x9B, 0xFD, 0x46, 0x97, 0xD9, 0xEC, 0x37}));
    EXPECT_EQ(packSeptets({0x41}, 1), (Bytes{0x82}));
    EXPECT_EQ(smsTextOf(U"€").characters.front(), (Bytes{0x1B, 0x65}));
    EXPECT_EQ(smsTextOf(U"ж").coding, DataCoding::Ucs2);
    // U+1F600 is the pair D83D DE00, one character that no message boundary splits.
    EXPECT_EQ(smsTextOf(U"ж😀").characters,
              (std::vector<Bytes>{{0x04, 0x36}, {0xD8, 0x3D, 0xDE, 0x00}}));
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
    for (std::size_t septet = 0; septet < alphabet.extension.size(); ++septet) {
        if (alphabet.extension[septet] != U' ') {
            text += alphabet.extension[septet];
            expected.insert(expected.end(), {kGsm7Escape, static_cast<std::uint8_t>(septet)});
        }
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
    // An escaped septet the extension table lacks reads as its character in the main table.
    EXPECT_EQ(fromGsm7({kGsm7Escape, 0x41, kGsm7Escape}), "A\u00A0");
}

// Sentences in a language's tables: the septets are those of the tables in 3GPP TS 23.038
// annex A, and a message whose header names the tables reads back as the sentence.
TEST(Gsm7, NationalLanguageTablesComeBackThroughTheMessageHeader) {
    const struct {
        int locking;
        int single;
        std::u32string text;
        Bytes septets;
    } cases[] = {
        {1, 1, U"ğüşıöç", {0x0C, 0x7E, 0x1D, 0x07, 0x7C, 0x60}}, // Turkish
        {0, 1, U"ğİş", {0x1B, 0x67, 0x1B, 0x49, 0x1B, 0x73}},    // Turkish single
        {0, 2, U"ñáç", {0x7D, 0x1B, 0x61, 0x1B, 0x09}},          // Spanish
        {2, 2, U"Ú€", {0x1B, 0x55, 0x1B, 0x65}},                 // no Spanish locking
        {3,
         3,
         U"Não há ação",
         {0x4E, 0x7B, 0x6F, 0x20, 0x68, 0x0F, 0x20, // Portuguese
          0x61, 0x09, 0x7B, 0x6F}},
        {6, 6, U"नमस्ते १", {0x2F, 0x42, 0x4C, 0x5F, 0x27, 0x59, 0x20, 0x1B, 0x1D}}, // Hindi
        {13, 13, U"سلام ۱", {0x3D, 0x4D, 0x00, 0x4E, 0x20, 0x1B, 0x1D}},           // Urdu
        {11, 11, U"தமிழ் ௧", {0x27, 0x42, 0x51, 0x48, 0x5F, 0x20, 0x1B, 0x1D}},     // Tamil
        {14, 0, U"@£", {0x00, 0x01}}, // a language the tables do not define
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locking);
        const Gsm7Alphabet alphabet = gsm7Alphabet({c.locking, c.single});
        ShortMessage message{{}, {DataCoding::Gsm7, {}}};
        Bytes septets;
        for (const char32_t character : c.text) {
            const auto written = toGsm7(character, alphabet);
            ASSERT_TRUE(written) << static_cast<unsigned>(character);
            septets.insert(septets.end(), written->begin(), written->end());
            message.body.characters.push_back(*written);
        }
        EXPECT_EQ(septets, c.septets);
        message.elements = {
            {ElementId::NationalSingleShift, {static_cast<std::uint8_t>(c.single)}},
            {ElementId::NationalLockingShift, {static_cast<std::uint8_t>(c.locking)}}};
        const auto read = decodeListedTpdu({1, submitTpdu("+79161234567", message), {}});
        ASSERT_TRUE(std::holds_alternative<ReceivedMessage>(read));
        EXPECT_EQ(decodeUtf8(std::get<ReceivedMessage>(read).text), c.text);
    }
}

// UCS-2 text reads as UTF-16; a surrogate without its partner reads as U+FFFD.
TEST(Utf8, Ucs2ReadsAsUtf16) {
    const struct {
        Bytes ucs2;
        std::u32string text;
    } cases[] = {
        {{0x00, 0x61, 0xD8, 0x3D, 0xDE, 0x00}, U"a😀"},
        {{0xDB, 0xFF, 0xDF, 0xFF, 0x04}, U"\U0010FFFF"},
        {{0x00, 0x61, 0xD8, 0x3D}, U"a\uFFFD"},
        {{0xDE, 0x00, 0x00, 0x61}, U"\uFFFDa"},
        {{0xD8, 0x3D, 0x00, 0x61}, U"\uFFFDa"},
        {{0xDE, 0x00, 0xD8, 0x3D}, U"\uFFFD\uFFFD"},
        {{0xD8, 0x3D, 0xD8, 0x3D, 0xDE, 0x00}, U"\uFFFD😀"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeUtf8(ucs2ToUtf8(c.ucs2.data(), c.ucs2.size())), c.text);
    }
}

} // namespace
