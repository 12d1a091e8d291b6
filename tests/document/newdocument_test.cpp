#include "newdocument.h"
#include "picturedocument.h"
#include "sampledocuments.h"
#include "undocopy.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A document with something in every store: drawn frames, undo copy, clipboard, a file.
std::unique_ptr<PictureDocument> usedAnimation() {
    auto doc = makeAnimation(72, 28, 10, 7);
    doc->zZ = 3;
    doc->IZM = kTrue;
    doc->fileName = "film.ema";
    doc->fileFolder = "/tmp";
    doc->pixels[16][128][96] = kCellSet;
    doc->pixels[1][1][1] = kCellSet;
    doc->undoFrame[5][5] = kCellSet;
    doc->clipFrame[9][9] = kCellSet;
    return doc;
}

void expectAllCleared(const PictureDocument& doc) {
    EXPECT_EQ(doc.pixels, FrameStore{});
    EXPECT_EQ(doc.undoFrame, Frame{});
    EXPECT_EQ(doc.clipFrame, Frame{});
    EXPECT_EQ(doc.IZM, kFalse);
    EXPECT_EQ(doc.fileName, "*");
    EXPECT_EQ(doc.k, 1);
}

TEST(NewDocument, NewPictureKeepsTheSizeAndEmptiesEverything) {
    auto doc = usedAnimation();
    newPicture(*doc);
    expectAllCleared(*doc);
    EXPECT_EQ(doc->kind, DocumentKind::Picture);
    EXPECT_EQ(doc->kK, 1);
    EXPECT_EQ(doc->MX, 72);
    EXPECT_EQ(doc->MY, 28);
    EXPECT_EQ(doc->zZ, 3);
}

TEST(NewDocument, NewAnimationIsFourFramesOfSixteenBySixteen) {
    auto doc = usedAnimation();
    newAnimation(*doc);
    expectAllCleared(*doc);
    EXPECT_EQ(doc->kind, DocumentKind::Animation);
    EXPECT_EQ(doc->kK, 4);
    EXPECT_EQ(doc->zZ, 16);
    EXPECT_EQ(doc->MX, 16);
    EXPECT_EQ(doc->MY, 16);

    newPicture(*doc);
    EXPECT_EQ(doc->MX, 16);
    EXPECT_EQ(doc->MY, 16);
}

TEST(NewDocument, SaveUndoCopiesTheWholeStoredCurrentFrame) {
    auto doc = usedAnimation();
    doc->pixels[7][128][96] = kCellSet; // outside the 72 x 28 picture
    doc->pixels[7][3][4] = kCellSet;
    saveUndo(*doc);
    EXPECT_EQ(doc->undoFrame, doc->pixels[7]);
}

} // namespace
