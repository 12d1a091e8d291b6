#include "framecommands.h"
#include "picturedocument.h"
#include "sampledocuments.h"

#include <gtest/gtest.h>

namespace {

struct Step {
    void (*command)(PictureDocument&);
    int frames, current;
    int expected;
};

TEST(FrameCommands, StepsWrapAroundAndLeaveThePreviewCounterAlone) {
    const Step steps[] = {
        {nextFrame, 4, 2, 3},     {nextFrame, 4, 4, 1}, {previousFrame, 4, 2, 1},
        {previousFrame, 4, 1, 4}, {nextFrame, 1, 1, 1}, {previousFrame, 1, 1, 1},
        {nextFrame, 16, 16, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "frame " << step.current << " of " << step.frames);
        auto doc = makeAnimation(16, 16, step.frames, step.current);
        doc->ka = 3;
        step.command(*doc);
        EXPECT_EQ(doc->k, step.expected);
        EXPECT_EQ(doc->kK, step.frames);
        EXPECT_EQ(doc->ka, 3);
    }
}

struct CountChange {
    int frames, current;
    int count;
    int expectedCurrent;
};

TEST(FrameCommands, SettingTheCountMovesTheCurrentFrameOnlyWhenBeyondTheNewLast) {
    const CountChange changes[] = {
        {10, 7, 5, 5}, {10, 7, 7, 7}, {10, 7, 9, 7}, {4, 2, 16, 2},
        {4, 4, 1, 1},  {4, 3, 4, 3},  {1, 1, 1, 1},
    };
    for (const CountChange& change : changes) {
        SCOPED_TRACE(testing::Message() << "frame " << change.current << " of " << change.frames
                                        << " to " << change.count);
        auto doc = makeAnimation(16, 16, change.frames, change.current);
        doc->ka = 3;
        setFrameCount(*doc, change.count);
        EXPECT_EQ(doc->kK, change.count);
        EXPECT_EQ(doc->k, change.expectedCurrent);
        EXPECT_EQ(doc->ka, 1);
    }
}

TEST(FrameCommands, ACountOutsideOneToSixteenIsBroughtWithinIt) {
    const CountChange changes[] = {{4, 3, 0, 1}, {4, 3, -7, 1}, {4, 3, 17, 3}, {4, 3, 300, 3}};
    for (const CountChange& change : changes) {
        SCOPED_TRACE(testing::Message() << "to " << change.count);
        auto doc = makeAnimation(16, 16, change.frames, change.current);
        setFrameCount(*doc, change.count);
        EXPECT_EQ(doc->kK, change.count < 1 ? 1 : kMaxFrames);
        EXPECT_EQ(doc->k, change.expectedCurrent);
    }
}

TEST(FrameCommands, FramesAboveALoweredCountKeepTheirCells) {
    auto doc = patternAnimation(16, 16, 10, 4);
    const FrameStore before = doc->pixels;

    setFrameCount(*doc, 4);
    EXPECT_EQ(doc->pixels, before);

    setFrameCount(*doc, 10);
    EXPECT_EQ(doc->pixels, before);
    nextFrame(*doc);
    EXPECT_EQ(doc->k, 5);
}

} // namespace
