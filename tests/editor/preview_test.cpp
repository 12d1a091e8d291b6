#include "frameprogressbar.h"
#include "mainwindowfixture.h"
#include "picturedocument.h"
#include "previewbox.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kBackground = qRgb(234, 234, 234);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

// Pixels of the preview image that are not background.
QRect drawnArea(const QImage& image) {
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kBackground)
                area |= QRect(x, y, 1, 1);
    return area;
}

bool onlyBackground(const QImage& image) {
    return drawnArea(image).isNull();
}

// The preview plays the document in its box; the tests drive the timer's tick themselves.
class PreviewTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        view = window->findChild<PreviewBox*>("view");
        bar = window->findChild<FrameProgressBar*>("ProgressBar1");
        check = window->findChild<QCheckBox*>("Check1");
        timer = window->findChild<QTimer*>("Timer1");
    }

    // A new 16 x 16 animation of 4 frames whose frame f has the cells of column f set, with the
    // timer stopped so that only the test ticks.
    void newAnimationWithMarkedFrames() {
        trigger("newani");
        timer->stop();
        for (int frame = 1; frame <= 4; ++frame)
            for (int y = 1; y <= 16; ++y)
                doc().pixels[frame][frame][y] = kCellSet;
    }
    // The frame whose column mark the preview shows, 0 when it shows none.
    int shownFrame() const {
        int shown = 0;
        for (int frame = 1; frame <= 4; ++frame) {
            const QRgb column = view->image().pixel(56 + frame - 1, 40);
            if (column == kBlack) {
                EXPECT_EQ(shown, 0) << "two frames at once";
                shown = frame;
            }
        }
        return shown;
    }

    PreviewBox* view = nullptr;
    FrameProgressBar* bar = nullptr;
    QCheckBox* check = nullptr;
    QTimer* timer = nullptr;
};

TEST_F(PreviewTest, TheTimerPlaysAnAnimationFrameByFrame) {
    newAnimationWithMarkedFrames();
    const int expectedFrames[] = {1, 2, 3, 4, 1};
    const int expectedBar[] = {25, 50, 75, 100, 25};
    for (int tick = 0; tick < 5; ++tick) {
        SCOPED_TRACE(testing::Message() << "tick " << tick + 1);
        // The timer's own signal, so the test also proves the tick is connected.
        QMetaObject::invokeMethod(timer, "timeout");
        EXPECT_EQ(shownFrame(), expectedFrames[tick]);
        EXPECT_EQ(bar->value(), expectedBar[tick]);
        EXPECT_EQ(drawnArea(view->image()), QRect(56, 40, 16, 16));
        EXPECT_EQ(view->image().pixel(56 + 5, 40 + 5), kWhite);
    }
    EXPECT_EQ(doc().k, 1) << "the edited frame does not follow the preview";
}

TEST_F(PreviewTest, UntickedPreviewIsBlankAndResumesWhereItStopped) {
    newAnimationWithMarkedFrames();
    window->previewTick();
    window->previewTick();
    ASSERT_EQ(bar->value(), 50);

    check->setChecked(false);
    window->previewTick();
    EXPECT_TRUE(onlyBackground(view->image()));
    EXPECT_EQ(bar->value(), 50);
    EXPECT_EQ(doc().ka, 3);

    check->setCheckState(Qt::PartiallyChecked);
    window->previewTick();
    EXPECT_TRUE(onlyBackground(view->image())) << "the greyed state counts as off";

    check->setChecked(true);
    window->previewTick();
    EXPECT_EQ(shownFrame(), 3);
    EXPECT_EQ(bar->value(), 75);
}

TEST_F(PreviewTest, SteppingTheEditedFrameLeavesThePreviewsFrameAlone) {
    newAnimationWithMarkedFrames();
    window->previewTick();
    trigger("frnext");
    trigger("frnext");
    trigger("frfor");
    EXPECT_EQ(doc().k, 2);
    EXPECT_EQ(doc().ka, 2);
    window->previewTick();
    EXPECT_EQ(shownFrame(), 2);
}

TEST_F(PreviewTest, AChangeToAFrameShowsWhenTheCycleReachesIt) {
    newAnimationWithMarkedFrames();
    doc().pixels[2][10][10] = kCellSet;
    window->previewTick();
    EXPECT_EQ(view->image().pixel(56 + 9, 40 + 9), kWhite);
    window->previewTick();
    EXPECT_EQ(view->image().pixel(56 + 9, 40 + 9), kBlack);
}

TEST_F(PreviewTest, APictureIsRedrawnUnchangedAtEveryTick) {
    doc().pixels[1][1][1] = kCellSet;
    for (int tick = 0; tick < 3; ++tick) {
        window->previewTick();
        EXPECT_EQ(doc().ka, 1);
        EXPECT_EQ(bar->value(), 100);
        EXPECT_EQ(drawnArea(view->image()), QRect(48, 32, 32, 32));
        EXPECT_EQ(view->image().pixel(48, 32), kBlack);
    }
}

TEST_F(PreviewTest, AnIntervalOfZeroStopsTheTimer) {
    trigger("newani");
    ASSERT_TRUE(timer->isActive());
    window->setPreviewInterval(0);
    EXPECT_FALSE(timer->isActive());
    window->setPreviewInterval(192);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 192);
}

// Seen as the screen shows the box: Open blanks it, so nothing of the old document stays there
// until the first tick of the new one.
TEST_F(PreviewTest, OpeningAFileBlanksTheBox) {
    QTemporaryDir folder;
    const QString blank = QDir(folder.path()).filePath("blank.ems");
    QFile file(blank);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x02\x08\x08") + QByteArray(8, '\0'));
    file.close();
    QWidget* box = window->findChild<QWidget*>("view");
    const auto shownBlackPixels = [box] {
        constexpr int kBorder = 4;
        const QImage shown = box->grab(box->rect().adjusted(kBorder, kBorder, -kBorder, -kBorder))
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                count += shown.pixel(x, y) == kBlack;
        return count;
    };
    doc().pixels[1][16][16] = kCellSet;
    QMetaObject::invokeMethod(window->findChild<QTimer*>("Timer1"), "timeout");
    ASSERT_EQ(shownBlackPixels(), 1);

    prompts.fileAnswers = {{blank}};
    trigger("fileopen");
    ASSERT_EQ(doc().MX, 8);
    EXPECT_EQ(shownBlackPixels(), 0);
}

TEST_F(PreviewTest, ANewAnimationBlanksTheBox) {
    doc().pixels[1][1][1] = kCellSet;
    window->previewTick();
    ASSERT_FALSE(onlyBackground(view->image()));
    trigger("newani");
    EXPECT_TRUE(onlyBackground(view->image()));
}

} // namespace
