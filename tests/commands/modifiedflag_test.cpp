#include "clipboardcommands.h"
#include "framecommands.h"
#include "picturedocument.h"
#include "sampledocuments.h"
#include "scrollcommands.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Step = std::function<void(PictureDocument&)>;

// Each case starts from a 16 x 16 animation on frame 2 of 4, whose frames, undo copy and
// clipboard are all blank; `prepare` fills in what the case needs. A command marks the document
// modified exactly when it changes a stored cell of the current frame, or the frame count.
struct FlagCase {
    const char* name;
    Step prepare;
    Step command;
    bool marksModified;
};

void drawing(PictureDocument& doc) {
    doc.pixels[2] = patternFrame(1);
}
void nothing(PictureDocument&) {}

// The drawing, with the same cells in another store as well (the undo copy or the clipboard).
Step drawingAlsoIn(Frame PictureDocument::*store) {
    return [store](PictureDocument& doc) {
        doc.*store = patternFrame(1);
        drawing(doc);
    };
}

// Every column holds one value top to bottom (vertical stripes), so a vertical scroll changes
// nothing while a horizontal one does.
void verticalStripes(PictureDocument& doc) {
    for (int x = 1; x <= 16; x += 2)
        for (int y = 1; y <= kMaxHeight; ++y)
            doc.pixels[2][x][y] = kCellSet;
}

void horizontalStripes(PictureDocument& doc) {
    for (int x = 1; x <= kMaxWidth; ++x)
        for (int y = 1; y <= kMaxHeight; y += 2)
            doc.pixels[2][x][y] = kCellSet;
}

// One cell well away from the last column and row: a scroll must not let an unchanged last line
// decide for the whole frame.
void oneCellAwayFromTheEdges(PictureDocument& doc) {
    doc.pixels[2][3][5] = kCellSet;
}

void onlyOutsideThePicture(PictureDocument& doc) {
    doc.pixels[2][17][3] = kCellSet;
    doc.pixels[2][3][17] = kCellSet;
}

const FlagCase kCases[] = {
    {"undo of a changed frame", drawing, undoEdit, true},
    {"undo of equal frames", drawingAlsoIn(&PictureDocument::undoFrame), undoEdit, false},
    {"undo that differs outside the picture only",
     [](PictureDocument& doc) { doc.undoFrame[128][96] = kCellSet; }, undoEdit, true},
    {"cut of a drawing", drawing, cutFrame, true},
    {"cut of a blank frame", nothing, cutFrame, false},
    {"cut of cells outside the picture", onlyOutsideThePicture, cutFrame, true},
    {"copy of a drawing", drawing, copyFrame, false},
    {"paste over a different frame", drawing, pasteFrame, true},
    {"paste of the same frame", drawingAlsoIn(&PictureDocument::clipFrame), pasteFrame, false},
    {"paste of blank over blank", nothing, pasteFrame, false},
    {"erase of a drawing", drawing, eraseFrame, true},
    {"erase of a blank frame", nothing, eraseFrame, false},
    {"scroll up of a drawing", drawing, scrollUp, true},
    {"scroll down of a drawing", drawing, scrollDown, true},
    {"scroll left of a drawing", drawing, scrollLeft, true},
    {"scroll right of a drawing", drawing, scrollRight, true},
    {"scroll up of one cell", oneCellAwayFromTheEdges, scrollUp, true},
    {"scroll down of one cell", oneCellAwayFromTheEdges, scrollDown, true},
    {"scroll left of one cell", oneCellAwayFromTheEdges, scrollLeft, true},
    {"scroll right of one cell", oneCellAwayFromTheEdges, scrollRight, true},
    {"scroll up of a blank frame", nothing, scrollUp, false},
    {"scroll right of a blank frame", nothing, scrollRight, false},
    {"scroll up of vertical stripes", verticalStripes, scrollUp, false},
    {"scroll down of vertical stripes", verticalStripes, scrollDown, false},
    {"scroll left of vertical stripes", verticalStripes, scrollLeft, true},
    {"scroll left of horizontal stripes", horizontalStripes, scrollLeft, false},
    {"scroll right of horizontal stripes", horizontalStripes, scrollRight, false},
    {"scroll down of horizontal stripes", horizontalStripes, scrollDown, true},
    {"scroll of cells outside the picture", onlyOutsideThePicture, scrollLeft, false},
    {"next frame", drawing, nextFrame, false},
    {"previous frame", drawing, previousFrame, false},
    {"frame count changed", nothing, [](PictureDocument& doc) { setFrameCount(doc, 6); }, true},
    {"frame count kept", nothing, [](PictureDocument& doc) { setFrameCount(doc, 4); }, false},
};

TEST(ModifiedFlag, SetOnlyByARealChangeAndNeverCleared) {
    for (const FlagCase& flagCase : kCases) {
        SCOPED_TRACE(flagCase.name);
        // The flag the command leaves on a document that carried `modified` before it.
        const auto flagAfter = [&flagCase](Flag modified) {
            auto doc = makeAnimation(16, 16, 4, 2);
            doc->IZM = modified;
            flagCase.prepare(*doc);
            flagCase.command(*doc);
            return doc->IZM;
        };
        EXPECT_EQ(flagAfter(kFalse), flagCase.marksModified ? kTrue : kFalse);
        EXPECT_EQ(flagAfter(kTrue), kTrue);
    }
}

} // namespace
