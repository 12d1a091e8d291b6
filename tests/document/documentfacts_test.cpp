#include "documentfacts.h"
#include "newdocument.h"
#include "picturedocument.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(DocumentFacts, TitlesFollowTheFileName) {
    auto doc = std::make_unique<PictureDocument>();
    EXPECT_EQ(shortTitle(*doc), "Mosaikon");
    EXPECT_EQ(fullTitle(*doc), "Mosaikon");

    doc->fileName = "a.ems";
    EXPECT_EQ(shortTitle(*doc), "a - Mosaikon");
    EXPECT_EQ(fullTitle(*doc), "a.ems - Mosaikon");

    doc->fileName = "смайл.ema";
    EXPECT_EQ(shortTitle(*doc), "смайл - Mosaikon");

    doc->fileName = "ёжик.рис"; // a Cyrillic extension is cut by characters, not bytes
    EXPECT_EQ(shortTitle(*doc), "ёжик - Mosaikon");

    doc->fileName = "abcd"; // nothing would be left: the name shows whole
    EXPECT_EQ(shortTitle(*doc), "abcd - Mosaikon");
}

TEST(DocumentFacts, LabelNumbersHaveOneLeadingBlank) {
    EXPECT_EQ(labelNumber(32), " 32");
    EXPECT_EQ(labelNumber(0), " 0");
    EXPECT_EQ(labelNumber(-5), "-5");
}

TEST(DocumentFacts, PreviewIntervalFollowsTheKind) {
    auto doc = std::make_unique<PictureDocument>();
    doc->zZ = 16;
    EXPECT_EQ(previewIntervalMs(*doc), 100);
    doc->kind = DocumentKind::Animation;
    EXPECT_EQ(previewIntervalMs(*doc), 192);
    doc->zZ = 255;
    EXPECT_EQ(previewIntervalMs(*doc), 3060);
    doc->zZ = 0;
    EXPECT_EQ(previewIntervalMs(*doc), 0);
}

} // namespace
