#include "smsbackup.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<std::uint8_t> text(const std::string& backup) {
    return std::vector<std::uint8_t>(backup.begin(), backup.end());
}

// A section as gammu writes it, with CR LF line ends on some lines, as gammu does.
std::string section(int number, const std::string& udh, const std::string& body,
                    const std::string& coding) {
    return "[SMSBackup00" + std::to_string(number) +
           "]\r\nPDU = Deliver\r\nNumber = \"+7916\"\r\n" + "UDH = " + udh + "\nText00 = " + body +
           "\r\nCoding = " + coding + "\n\n";
}

// Each bad section is passed over with a note naming the line of its section, and the good
// section after it (a Small Picture, 16 x 16) is still read.
TEST(SmsBackup, PassesOverSectionsItCannotReadWithANote) {
    const std::string good =
        section(9, "23112100" + std::string(64, 'F'), "", "8bit"); // the picture, all set
    const struct {
        std::string bad;
        const char* note;
    } cases[] = {
        {section(0, "05000", "", "8bit"), "UDH: an odd number of hexadecimal digits"},
        {section(0, "0500030102", "", "8bit"), "UDH: its length octet gives 5 octets, 4 follow"},
        {section(0, "03000501", "", "8bit"), "the user data header runs past its end"},
        {section(0, "", "00zz", "Unicode_No_Compression"), "Text: \"zz\" is not hexadecimal"},
        {section(0, "", "0041", "Klingon"), "the coding \"Klingon\" is none gammu writes"},
        {section(0, "", "0041", "Unicode_Compression"),
         "the coding \"Unicode_Compression\" is compressed text, which is not read"},
        {"[SMSBackup000]\nText01 = 0041\nCoding = 8bit\n", "Text00 is missing"},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.bad);
        const MessageListing listing = decodeSmsBackup(text("; comment\n" + bad.bad + good));
        ASSERT_EQ(listing.notes.size(), 1u);
        EXPECT_EQ(listing.notes[0].line, 2);
        EXPECT_EQ(listing.notes[0].what, bad.note);
        ASSERT_EQ(listing.items.size(), 1u);
        ASSERT_TRUE(listing.items[0].artwork);
        EXPECT_EQ(listing.items[0].artwork->width, 16);
        EXPECT_TRUE(listing.items[0].artwork->isSet(0, 15, 15));
    }
    EXPECT_FALSE(looksLikeSmsBackup(text("[SMSBackup000\n0041\n")));
}

} // namespace
