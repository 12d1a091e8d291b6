#include "picturedocument.h"
#include "previewcycle.h"
#include "sampledocuments.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<PreviewStep> ticks(PictureDocument& doc, int count) {
    std::vector<PreviewStep> steps;
    for (int tick = 0; tick < count; ++tick)
        steps.push_back(advancePreview(doc));
    return steps;
}

void expectSteps(const std::vector<PreviewStep>& steps, const std::vector<PreviewStep>& expected) {
    ASSERT_EQ(steps.size(), expected.size());
    for (std::size_t tick = 0; tick < steps.size(); ++tick) {
        SCOPED_TRACE(testing::Message() << "tick " << tick + 1);
        EXPECT_EQ(steps[tick].frame, expected[tick].frame);
        EXPECT_EQ(steps[tick].progress, expected[tick].progress);
    }
}

TEST(PreviewCycle, AnAnimationPlaysItsFramesInTurnAndWraps) {
    auto doc = makeAnimation(16, 16, 4, 1);
    expectSteps(ticks(*doc, 5), {{1, 25}, {2, 50}, {3, 75}, {4, 100}, {1, 25}});
    EXPECT_EQ(doc->ka, 2);

    auto three = makeAnimation(16, 16, 3, 1);
    expectSteps(ticks(*three, 3), {{1, 33}, {2, 67}, {3, 100}});

    auto one = makeAnimation(16, 16, 1, 1);
    expectSteps(ticks(*one, 2), {{1, 100}, {1, 100}});
}

TEST(PreviewCycle, ACounterBeyondTheLastFrameStartsAgainAtTheFirst) {
    auto doc = makeAnimation(16, 16, 4, 1);
    doc->ka = 5; // as the writer leaves it after saving four frames
    expectSteps(ticks(*doc, 2), {{1, 25}, {2, 50}});

    doc->ka = 3;
    doc->kK = 2; // a file with fewer frames was opened
    expectSteps(ticks(*doc, 1), {{1, 50}});
}

TEST(PreviewCycle, APictureAlwaysShowsItsOneFrameFull) {
    auto doc = makePicture(32, 32);
    doc->ka = 7;
    expectSteps(ticks(*doc, 3), {{1, 100}, {1, 100}, {1, 100}});
    EXPECT_EQ(doc->ka, 1);
}

TEST(PreviewCycle, PicturesAreCentredWithHalfPixelsDroppedToTheLeftAndTop) {
    const std::pair<int, int> widths[] = {{128, 0}, {16, 56}, {8, 60}, {7, 60}, {127, 0}, {1, 63}};
    for (const auto& [width, left] : widths)
        EXPECT_EQ(previewLeft(width), left) << "width " << width;
    const std::pair<int, int> heights[] = {{96, 0}, {16, 40}, {8, 44}, {5, 45}, {95, 0}, {1, 47}};
    for (const auto& [height, top] : heights)
        EXPECT_EQ(previewTop(height), top) << "height " << height;
}

TEST(PreviewCycle, PreviewIntervalFollowsTheKind) {
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
