#include "picturedocument.h"
#include "titlerules.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(TitleRules, TitlesFollowTheFileName) {
    struct Case {
        const char* fileName;
        const char* shortTitle;
        const char* fullTitle;
    };
    const Case cases[] = {
        {"*", "Mosaikon", "Mosaikon"},
        {"a.ems", "a - Mosaikon", "a.ems - Mosaikon"},
        {"смайл.ema", "смайл - Mosaikon", "смайл.ema - Mosaikon"},
        // A Cyrillic extension is cut by characters, not bytes.
        {"ёжик.рис", "ёжик - Mosaikon", "ёжик.рис - Mosaikon"},
        // Nothing would be left: the name shows whole.
        {"abcd", "abcd - Mosaikon", "abcd - Mosaikon"},
        // Only a dot and three characters are an extension.
        {"mypicture", "mypicture - Mosaikon", "mypicture - Mosaikon"},
        {"smile.backup", "smile.backup - Mosaikon", "smile.backup - Mosaikon"},
    };
    auto doc = std::make_unique<PictureDocument>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        doc->fileName = c.fileName;
        EXPECT_EQ(shortTitle(*doc), c.shortTitle);
        EXPECT_EQ(fullTitle(*doc), c.fullTitle);
    }
}

} // namespace
