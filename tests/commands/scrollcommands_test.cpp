#include "picturedocument.h"
#include "sampledocuments.h"
#include "scrollcommands.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

namespace {

using Scroll = void (*)(PictureDocument&);

struct Named {
    const char* name;
    Scroll scroll;
};

const Named kScrolls[] = {
    {"up", scrollUp}, {"down", scrollDown}, {"left", scrollLeft}, {"right", scrollRight}};

// Each vertical scroll with the one that undoes it, then each horizontal one.
const std::pair<Scroll, Scroll> kOpposites[] = {{scrollUp, scrollDown}, {scrollLeft, scrollRight}};

struct CellMove {
    Scroll scroll;
    int fromX, fromY;
    int toX, toY;
};

TEST(ScrollCommands, ACellMovesOnePixelAndWrapsAroundTheEdge) {
    // On a 10 x 6 picture. The moving cell holds 1, a value no writer stores but any reader
    // takes as set: a scroll carries the stored value, not a cleaned-up one.
    const CellMove moves[] = {
        {scrollUp, 3, 4, 3, 3},    {scrollUp, 3, 1, 3, 6},     {scrollDown, 3, 2, 3, 3},
        {scrollDown, 3, 6, 3, 1},  {scrollLeft, 5, 4, 4, 4},   {scrollLeft, 1, 4, 10, 4},
        {scrollRight, 5, 4, 6, 4}, {scrollRight, 10, 4, 1, 4},
    };
    for (const CellMove& move : moves) {
        SCOPED_TRACE("from " + std::to_string(move.fromX) + "," + std::to_string(move.fromY));
        auto doc = makePicture(10, 6);
        doc->pixels[1][11][2] = kCellSet; // outside the picture: stays put
        doc->pixels[1][2][7] = kCellSet;
        Frame expected = doc->pixels[1];
        doc->pixels[1][move.fromX][move.fromY] = 1;
        expected[move.toX][move.toY] = 1;

        move.scroll(*doc);
        EXPECT_EQ(doc->pixels[1], expected);
    }
}

struct Size {
    int width, height;
};

TEST(ScrollCommands, RotatingAllTheWayRoundGivesTheFrameBack) {
    const Size sizes[] = {{10, 6}, {128, 96}, {16, 16}, {1, 1}, {7, 1}, {1, 9}};
    for (const Size& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        auto doc = patternPicture(size.width, size.height, 5);
        const Frame original = doc->pixels[1];

        for (const Named& named : kScrolls) {
            SCOPED_TRACE(named.name);
            const bool vertical = named.scroll == scrollUp || named.scroll == scrollDown;
            const int steps = vertical ? size.height : size.width;
            for (int step = 0; step < steps; ++step)
                named.scroll(*doc);
            EXPECT_EQ(doc->pixels[1], original);
        }
    }
}

TEST(ScrollCommands, OppositeScrollsUndoEachOther) {
    auto doc = patternPicture(72, 28, 6);
    const Frame original = doc->pixels[1];
    for (const auto& [there, back] : kOpposites) {
        there(*doc);
        EXPECT_NE(doc->pixels[1], original);
        back(*doc);
        EXPECT_EQ(doc->pixels[1], original);
    }
}

// A row one pixel high, scrolled up and down, then a column one pixel wide, left and right.
TEST(ScrollCommands, AOnePixelLineIsUnchangedAlongItsShortSide) {
    const std::unique_ptr<PictureDocument> lines[] = {patternPicture(20, 1, 7),
                                                      patternPicture(1, 20, 8)};
    for (int line = 0; line < 2; ++line) {
        PictureDocument& doc = *lines[line];
        const Frame original = doc.pixels[1];
        const auto& [there, back] = kOpposites[line];
        there(doc);
        EXPECT_EQ(doc.pixels[1], original);
        back(doc);
        EXPECT_EQ(doc.pixels[1], original);
    }
}

TEST(ScrollCommands, OnlyThePictureOfTheCurrentFrameMovesAndNoUndoCopyIsTaken) {
    for (const Named& named : kScrolls) {
        SCOPED_TRACE(named.name);
        auto doc = patternAnimation(16, 16, 4, 2);
        doc->undoFrame = patternFrame(99);
        const FrameStore before = doc->pixels;

        named.scroll(*doc);

        EXPECT_EQ(doc->undoFrame, patternFrame(99));
        for (int frame = 1; frame <= kMaxFrames; ++frame) {
            if (frame == 2)
                continue;
            EXPECT_EQ(doc->pixels[frame], before[frame]) << "frame " << frame;
        }
        EXPECT_NE(doc->pixels[2], before[2]);
        for (int x = 1; x <= kMaxWidth; ++x)
            for (int y = 1; y <= kMaxHeight; ++y) {
                if (x <= 16 && y <= 16)
                    continue;
                ASSERT_EQ(doc->pixels[2][x][y], before[2][x][y]) << x << "," << y;
            }
    }
}

} // namespace
