#include "optioncommands.h"
#include "picturedocument.h"
#include "sampledocuments.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionCommands, SettingThePictureSizeWritesOnlyTheSizeAndTheModifiedFlag) {
    auto doc = patternAnimation(32, 32, 4, 3);
    doc->fileName = "walk.ema";
    doc->undoFrame = patternFrame(20);
    doc->clipFrame = patternFrame(21);
    const auto before = std::make_unique<PictureDocument>(*doc);

    setPictureSize(*doc, 8, 8);
    EXPECT_EQ(doc->MX, 8);
    EXPECT_EQ(doc->MY, 8);
    EXPECT_EQ(doc->IZM, kTrue);
    EXPECT_EQ(doc->pixels, before->pixels) << "cells beyond the new size stay stored";
    EXPECT_EQ(doc->undoFrame, before->undoFrame);
    EXPECT_EQ(doc->clipFrame, before->clipFrame);
    EXPECT_EQ(doc->kK, 4);
    EXPECT_EQ(doc->k, 3);
    EXPECT_EQ(doc->kind, DocumentKind::Animation);
    EXPECT_EQ(doc->fileName, "walk.ema");

    doc->IZM = kFalse;
    setPictureSize(*doc, 8, 8);
    EXPECT_EQ(doc->IZM, kTrue) << "marked even when the size stays the same";
}

TEST(OptionCommands, APictureSizeBeyondTheStoreIsBroughtWithinIt) {
    const struct {
        int width, height;
        int expectedWidth, expectedHeight;
    } cases[] = {{129, 97, 128, 96}, {0, -5, 1, 1}, {128, 96, 128, 96}, {1, 1, 1, 1}};
    for (const auto& entry : cases) {
        auto doc = makePicture(32, 32);
        setPictureSize(*doc, entry.width, entry.height);
        EXPECT_EQ(doc->MX, entry.expectedWidth) << entry.width;
        EXPECT_EQ(doc->MY, entry.expectedHeight) << entry.height;
    }
}

} // namespace
