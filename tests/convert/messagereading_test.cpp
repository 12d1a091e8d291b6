#include "messagereading.h"
#include "refusal.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const std::string& listing) {
    return Bytes(listing.begin(), listing.end());
}

std::string refusalOf(const std::string& listing) {
    try {
        readMessageListing("in.pdu", bytesOf(listing));
    } catch (const Refusal& refusal) {
        return refusal.what();
    }
    return "(no refusal)";
}

// SMS-SUBMIT lines with an empty SMSC part, the user data header holding one element.
const std::string kSubmitStart = "0041000B919730071234F50004";

std::string repeated(const std::string& octet, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += octet;
    }
    return out;
}

TEST(MessageReading, RefusalsNameTheFileAndWhatIsWrong) {
    const struct {
        std::string listing;
        const char* refusal;
    } cases[] = {
        {kSubmitStart + "17161214001101" + repeated("FF", 17) + "\n",
         "in.pdu: the Variable Picture (IEI 0x12) in message 1 is 136 x 1; Mosaikon holds at most "
         "128 x 96"},
        {kSubmitStart + "1F1E141C0100150006000001011100" + repeated("80", 17) + "\n",
         "in.pdu: the Extended Object (IEI 0x14), bitmap animation in message 1 has 17 frames; "
         "Mosaikon holds at most 16"},
        {"0001000B919730071234F50004024869\n", "in.pdu: holds no whole picture or animation"},
        {"OK\n", "in.pdu: holds no message"},
        {"+CMGL: 1,1,,2\n0041\nzz\n",
         "in.pdu: holds no message: line 2: no TPDU: no whole SMS-DELIVER, SMS-SUBMIT, report or "
         "command; line 3: no TPDU: \"zz\" is not hexadecimal"},
    };
    for (const auto& refused : cases) {
        EXPECT_EQ(refusalOf(refused.listing), refused.refusal);
    }
}

TEST(MessageReading, ListingNamesTheMessagesAndWhatTheyHold) {
    std::ifstream in(std::string(TEST_DATA_DIR) + "/messages/large-animation-7bit-text.pdu");
    const std::string listing((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    EXPECT_EQ(
        describeMessageListing("in.pdu", bytesOf(listing + "0001000B919730071234F50004024869\n")),
        "message 1, 2 parts, reference 42: text \"Hello wor\"\n"
        "message 1, part 2: animation, Large Animation (IEI 0x0E), 16 x 16, 4 frames, delay 16\n"
        "message 2, 1 part: no text\n");
}

} // namespace
