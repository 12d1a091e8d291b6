#include "clipboardcommands.h"
#include "picturedocument.h"
#include "sampledocuments.h"
#include "undocopy.h"

#include <gtest/gtest.h>

namespace {

TEST(ClipboardCommands, PasteBeforeAnyCopyClearsTheFrameAndUndoBringsItBack) {
    auto doc = patternPicture(32, 32, 1);
    const Frame drawing = doc->pixels[1];

    pasteFrame(*doc);
    EXPECT_EQ(doc->pixels[1], Frame{});

    undoEdit(*doc);
    EXPECT_EQ(doc->pixels[1], drawing);
}

TEST(ClipboardCommands, UndoTwiceLeavesTheFrameAsBefore) {
    auto doc = patternPicture(32, 32, 2);
    const Frame before = patternFrame(1);
    const Frame after = doc->pixels[1];
    doc->undoFrame = before;

    undoEdit(*doc);
    EXPECT_EQ(doc->pixels[1], before);
    EXPECT_EQ(doc->undoFrame, after);

    undoEdit(*doc);
    EXPECT_EQ(doc->pixels[1], after);
    EXPECT_EQ(doc->undoFrame, before);
}

TEST(ClipboardCommands, UndoAfterCutRestoresTheLastSavedFrameAndPasteTheCutCells) {
    auto doc = patternPicture(32, 32, 1);
    const Frame beforeStroke = doc->pixels[1];
    saveUndo(*doc); // as a pen stroke starts
    doc->pixels[1][5][5] = isSet(beforeStroke[5][5]) ? kCellClear : kCellSet;
    const Frame afterStroke = doc->pixels[1];

    cutFrame(*doc);
    EXPECT_EQ(doc->pixels[1], Frame{});
    EXPECT_EQ(doc->clipFrame, afterStroke);
    EXPECT_EQ(doc->undoFrame, beforeStroke);

    undoEdit(*doc);
    EXPECT_EQ(doc->pixels[1], beforeStroke);

    pasteFrame(*doc);
    EXPECT_EQ(doc->pixels[1], afterStroke);
    EXPECT_EQ(doc->undoFrame, beforeStroke);
}

TEST(ClipboardCommands, EraseThenUndoRestoresTheFrameExactly) {
    auto doc = patternPicture(16, 16, 3);
    const Frame drawing = doc->pixels[1];

    eraseFrame(*doc);
    EXPECT_EQ(doc->pixels[1], Frame{});
    EXPECT_EQ(doc->undoFrame, drawing);

    undoEdit(*doc);
    EXPECT_EQ(doc->pixels[1], drawing);
}

TEST(ClipboardCommands, CellsBeyondASmallPictureGoAlong) {
    auto doc = patternPicture(16, 16, 4);
    doc->pixels[1][17][1] = kCellSet;
    doc->pixels[1][1][17] = kCellSet;
    doc->pixels[1][128][96] = kCellSet;
    const Frame stored = doc->pixels[1];

    copyFrame(*doc);
    EXPECT_EQ(doc->clipFrame, stored);

    cutFrame(*doc);
    EXPECT_EQ(doc->clipFrame, stored);
    EXPECT_EQ(doc->pixels[1], Frame{});

    pasteFrame(*doc);
    EXPECT_EQ(doc->pixels[1], stored);

    eraseFrame(*doc);
    EXPECT_EQ(doc->pixels[1], Frame{});
    EXPECT_EQ(doc->undoFrame, stored);
}

TEST(ClipboardCommands, CopyInOneFrameAndPasteInAnotherOnlyChangesThatFrame) {
    auto doc = patternAnimation(16, 16, 4, 2);
    const FrameStore before = doc->pixels;

    copyFrame(*doc);
    doc->k = 3;
    pasteFrame(*doc);

    FrameStore expected = before;
    expected[3] = before[2];
    EXPECT_EQ(doc->pixels, expected);
    EXPECT_EQ(doc->undoFrame, before[3]);

    eraseFrame(*doc);
    undoEdit(*doc);
    cutFrame(*doc);
    expected[3] = Frame{};
    EXPECT_EQ(doc->pixels, expected);
}

} // namespace
