#include "messagelisting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes dataFile(const std::string& name) {
    std::ifstream in(std::string(TEST_DATA_DIR) + "/messages/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes text(const std::string& listing) {
    return Bytes(listing.begin(), listing.end());
}

std::string firstNote(const MessageListing& listing) {
    if (listing.notes.empty()) {
        return "(read without a note)";
    }
    return "line " + std::to_string(listing.notes[0].line) + ": " + listing.notes[0].what;
}

MessageListing listingOf(const Bytes& bytes) {
    MessageListing listing = decodeMessageListing(bytes);
    EXPECT_TRUE(listing.notes.empty()) << firstNote(listing);
    return listing;
}

// What each hand-made listing holds: the first item, its parts, the message's text, and every
// pixel of every frame as the sender drew it.
struct Expected {
    const char* file;
    const char* element;
    int width, height, frames, zZ, firstPart, lastPart;
    const char* text;
    std::function<bool(int frame, int x, int y)> set;
};

TEST(MessageListing, ReadsEveryKindOfMessageInTheFormsAModemPrints) {
    const Expected cases[] = {
        {"small-picture-cmgl-lowercase.pdu", "Small Picture (IEI 0x11)", 16, 16, 1, 0, 1, 1, "Hi",
         [](int, int x, int y) { return x == y; }},
        {"large-animation-7bit-text.pdu", "Large Animation (IEI 0x0E)", 16, 16, 4, 16, 2, 2,
         "Hello wor", [](int f, int x, int y) { return (x + y + f) % 4 == 0; }},
        {"extended-animation-parts-reversed.pdu", "Extended Object (IEI 0x14), bitmap animation",
         20, 10, 3, 42, 1, 2, "",
         [](int f, int x, int y) { return y == x % 10 && (x + f) % 3 == 0; }},
        {"extended-animation-without-cmgl.pdu", "Extended Object (IEI 0x14), bitmap animation", 20,
         10, 3, 42, 1, 2, "", [](int f, int x, int y) { return y == x % 10 && (x + f) % 3 == 0; }},
        {"prompt-strips-ucs2.pdu",
         "User Prompt Indicator (IEI 0x13) over 3 Variable Picture (IEI 0x12)", 48, 8, 1, 0, 1, 1,
         "Привет", [](int, int x, int y) { return x % 16 - y == x / 16; }},
        {"nokia-picture-submit.pdu", "Nokia picture message (port 5514)", 72, 28, 1, 0, 1, 3,
         "Hello", [](int, int x, int y) { return (x + y) % 5 == 0; }},
        {"nokia-operator-logo.pdu", "Nokia operator logo for 250 01 (port 5506)", 72, 14, 1, 0, 1,
         1, "", [](int, int x, int y) { return x == y; }},
        {"compressed-bitmap.pdu", "Extended Object (IEI 0x14), bitmap", 40, 20, 1, 0, 1, 1, "",
         [](int, int x, int) { return x % 4 == 0; }},
    };
    for (const Expected& expected : cases) {
        SCOPED_TRACE(expected.file);
        const MessageListing listing = listingOf(dataFile(expected.file));
        ASSERT_EQ(listing.messages.size(), 1u);
        EXPECT_EQ(listing.messages[0].text, expected.text);
        ASSERT_EQ(listing.items.size(), 1u);
        const FoundItem& item = listing.items[0];
        EXPECT_EQ(item.element, expected.element);
        EXPECT_EQ(item.firstPart, expected.firstPart);
        EXPECT_EQ(item.lastPart, expected.lastPart);
        ASSERT_TRUE(item.artwork);
        const Artwork& art = *item.artwork;
        ASSERT_EQ(art.width, expected.width);
        ASSERT_EQ(art.height, expected.height);
        ASSERT_EQ(static_cast<int>(art.frames.size()), expected.frames);
        EXPECT_EQ(art.kind, expected.frames > 1 ? ArtworkKind::Animation : ArtworkKind::Picture);
        EXPECT_EQ(art.zZ, expected.zZ);
        int wrong = 0;
        for (int f = 0; f < expected.frames; ++f) {
            for (int y = 0; y < art.height; ++y) {
                for (int x = 0; x < art.width; ++x) {
                    wrong += art.isSet(f, x, y) != expected.set(f, x, y);
                }
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

// A SUBMIT of one message with a Small Picture element and nothing else, its picture data cut
// to `pictureOctets` and the lengths set to match.
std::string smallPictureSubmit(int pictureOctets) {
    char line[400];
    std::snprintf(line, sizeof line, "41000B919730071234F50004%02X%02X11%02X00", pictureOctets + 4,
                  pictureOctets + 3, pictureOctets + 1);
    return line + std::string(pictureOctets * 2, 'F') + "\n";
}

// Each line passed over leaves a note and nothing else: no message, no item.
TEST(MessageListing, PassesOverWhatItCannotReadWithANote) {
    const std::string firstOfTwo = "0041000B919730071234F500040A0500032A020111020000\n";
    const struct {
        std::string listing;
        const char* note;
    } cases[] = {
        {"AT+CMGL=4\n^RSSI: 12\n+CMGL: 1,1,,3\n0100zz\nOK\n",
         "line 4: no TPDU: \"zz\" is not hexadecimal"},
        {"\n0041000B9\n", "line 2: no TPDU: an odd number of hexadecimal digits"},
        {"+CMGL: 1,1,,99\n" + smallPictureSubmit(32),
         "line 2: holds 49 octets, not the TPDU of 99"},
        {"0100\n", "line 1: no TPDU: no whole SMS-DELIVER, SMS-SUBMIT, report or command"},
        {smallPictureSubmit(10), "line 1: the Small Picture (IEI 0x11) is cut short"},
        {firstOfTwo, "line 1: lacks part 2 of 2 (reference 42)"},
        {"0041000B919730071234F500040605140A01FFFF\n",
         "line 1: the user data header runs past its end"},
        {"0041000B919730071234F500040D0C140A01002000060000081000\n",
         "line 1: the Extended Object of 32 octets runs past the last part"},
        {"0041000B919730071234F500040D0C130103120700010"
         "4FFFFFFFF\n",
         "line 1: the User Prompt Indicator announces 3 objects, 1 follow it"},
        {"0041000B919730071234F500040A0916070000048141"
         "0005\n",
         "line 1: the compressed stream of the Compression Control (IEI 0x16) is damaged"},
        // 7-bit with a header of 4 octets (5 septets): TP-UDL two septets short, and user data
        // two octets past what TP-UDL counts, are further off than any sender's lengths.
        {"0041000B919730071234F50000030300010F\n",
         "line 1: no TPDU: no whole SMS-DELIVER, SMS-SUBMIT, report or command"},
        {"0041000B919730071234F500000503000100000000\n",
         "line 1: no TPDU: no whole SMS-DELIVER, SMS-SUBMIT, report or command"},
    };
    for (const auto& passed : cases) {
        SCOPED_TRACE(passed.listing);
        const MessageListing listing = decodeMessageListing(text(passed.listing));
        EXPECT_EQ(firstNote(listing).rfind(passed.note, 0), 0u) << firstNote(listing);
        EXPECT_TRUE(listing.messages.empty());
        EXPECT_TRUE(listing.items.empty());
    }
    EXPECT_EQ(listingOf(text(smallPictureSubmit(32))).items.size(), 1u);
}

// TPDUs of other types, laid out as TS 23.040 gives them, are named and carry no message; an
// SMSC part before them changes nothing.
TEST(MessageListing, NamesTheOtherTpdusWithoutANote) {
    const MessageListing listing = listingOf(
        text("06050B919761214365F7622170024444006221700244540000\n"
             "010062217002444400\n"
             "01C00062217002444400\n"
             "07919761000000F002050001050B919761214365F700\n"
             // with 8 septets of 7-bit text under a message waiting coding, and 8
             // octets of UCS-2 text under its own message waiting coding
             "06050B919761214365F762217002444400622170024454000006C808D4F29C0E0A9DC9\n"
             "06050B919761214365F762217002444400622170024454000006E0080054006500730074\n"));
    std::vector<std::string> named;
    for (const ListingNote& other : listing.others) {
        named.push_back(std::to_string(other.line) + " " + other.what);
    }
    EXPECT_EQ(named, (std::vector<std::string>{"1 SMS-STATUS-REPORT", "2 SMS-SUBMIT-REPORT",
                                               "3 SMS-SUBMIT-REPORT", "4 SMS-COMMAND",
                                               "5 SMS-STATUS-REPORT", "6 SMS-STATUS-REPORT"}));
    EXPECT_TRUE(listing.messages.empty());
}

std::string hexOf(const Bytes& octets) {
    std::string hex;
    for (const std::uint8_t octet : octets) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", octet);
        hex += pair;
    }
    return hex;
}

// A SUBMIT whose one Compression Control element (LZSS) carries `stream`.
std::string compressedSubmit(const Bytes& stream) {
    Bytes header = {0x16, static_cast<std::uint8_t>(stream.size() + 3), 0x00,
                    static_cast<std::uint8_t>(stream.size() >> 8),
                    static_cast<std::uint8_t>(stream.size())};
    header.insert(header.end(), stream.begin(), stream.end());
    header.insert(header.begin(), static_cast<std::uint8_t>(header.size()));
    return "0041000B919730071234F50004" + hexOf({static_cast<std::uint8_t>(header.size())}) +
           hexOf(header) + "\n";
}

// The octets as literal blocks alone, as a compressor that finds no repetition writes them.
Bytes literally(const Bytes& plain) {
    Bytes stream;
    for (std::size_t at = 0; at < plain.size(); at += 127) {
        const std::size_t count = std::min<std::size_t>(127, plain.size() - at);
        stream.push_back(static_cast<std::uint8_t>(0x80 | count));
        stream.insert(stream.end(), plain.begin() + at, plain.begin() + at + count);
    }
    return stream;
}

Bytes joined(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// An 8 x 8 bitmap object (a diagonal line) behind what senders put between the identifier and
// the header: nothing, one length octet or two; each reads as the one picture, and a stream that
// is not exactly whole objects in one way is refused.
TEST(MessageListing, CompressedStreamsReadOnlyAsWholeExtendedObjects) {
    const Bytes header = {0x00, 0x00, 0x0A, 0x00, 0x02, 0x00, 0x00};
    const Bytes bitmap = joined(header, {8, 8, 0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01});
    const Bytes direct = joined({0x14}, bitmap);
    const Bytes oneOctet = joined({0x14, 17}, bitmap);
    const Bytes twoOctets = joined({0x14, 0x00, 17}, bitmap);
    // Read directly, two objects of no data; after a length octet, one of 7 octets.
    const Bytes twoWays = {0x14, 0x0E, 0x00, 0x00, 0x07, 0x00, 0x02, 0x00,
                           0x14, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00};
    const char* damaged = "the compressed stream of the Compression Control (IEI 0x16) is damaged";
    const struct {
        Bytes stream;
        const char* note; // none when the diagonal is read
    } cases[] = {
        {literally(direct), nullptr},
        {literally(oneOctet), nullptr},
        {literally(twoOctets), nullptr},
        {joined(literally(direct), literally(oneOctet)), nullptr},
        {joined({0x80}, literally(direct)), damaged},
        {joined(literally(direct), {0x00, 0x01}), damaged},
        {literally(joined(direct, {0x00})), "does not part into whole Extended Objects"},
        {literally({0x11, 0x03, 0x00, 0xFF, 0xFF}), "does not part into whole Extended Objects"},
        {literally(twoWays), "parts into Extended Objects in more than one way"},
    };
    for (const auto& compressed : cases) {
        SCOPED_TRACE(hexOf(compressed.stream));
        const MessageListing listing =
            decodeMessageListing(text(compressedSubmit(compressed.stream)));
        if (compressed.note != nullptr) {
            EXPECT_NE(firstNote(listing).find(compressed.note), std::string::npos)
                << firstNote(listing);
            EXPECT_TRUE(listing.items.empty());
            continue;
        }
        ASSERT_TRUE(listing.notes.empty()) << firstNote(listing);
        ASSERT_FALSE(listing.items.empty());
        for (const FoundItem& item : listing.items) {
            ASSERT_TRUE(item.artwork);
            int wrong = 0;
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 8; ++x) {
                    wrong += item.artwork->isSet(0, x, y) != (x == y);
                }
            }
            EXPECT_EQ(wrong, 0);
        }
    }
}

// Wireshark's SMS dissector as a second reader of the user data: the text it finds in each TPDU
// of a listing, the SMSC part left out, joined.
std::string tsharkText(const std::string& file) {
    const std::string folder = ::testing::TempDir();
    std::ifstream in(std::string(TEST_DATA_DIR) + "/messages/" + file);
    std::string joined;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            continue;
        }
        const std::size_t smsc = 2 + 2 * std::stoul(line.substr(0, 2), nullptr, 16);
        std::ofstream dump(folder + "tpdu.txt");
        dump << "0000";
        for (std::size_t i = smsc; i + 1 < line.size(); i += 2) {
            dump << ' ' << line.substr(i, 2);
        }
        dump << '\n';
        dump.close();
        const std::string command =
            "{ text2pcap -q -l 147 " + folder + "tpdu.txt " + folder + "tpdu.pcap && tshark -r " +
            folder +
            "tpdu.pcap -o 'uat:user_dlts:\"User 0 (DLT=147)\",\"gsm_sms\",\"0\",\"\",\"0\",\"\"' " +
            "-T fields -e gsm_sms.sms_text; } 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            return "(tshark did not start)";
        }
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            joined += buffer;
        }
        pclose(pipe);
        if (!joined.empty() && joined.back() == '\n') {
            joined.pop_back();
        }
    }
    return joined;
}

TEST(MessageListing, TextAroundPicturesAgreesWithWireshark) {
    for (const char* file : {"small-picture-cmgl-lowercase.pdu", "large-animation-7bit-text.pdu",
                             "prompt-strips-ucs2.pdu"}) {
        SCOPED_TRACE(file);
        const MessageListing listing = listingOf(dataFile(file));
        ASSERT_EQ(listing.messages.size(), 1u);
        EXPECT_EQ(listing.messages[0].text, tsharkText(file));
    }
}

} // namespace
