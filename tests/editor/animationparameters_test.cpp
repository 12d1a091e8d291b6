#include "framesdialog.h"
#include "mainwindowfixture.h"
#include "modaldriver.h"
#include "picturedocument.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The Animation menu's parameters command runs its dialog modally, as the program does. Each test
// acts on the open dialog from a zero-time timer inside the modal loop; a guard closes the dialog
// after a few seconds should the test fail to, so no test can hang.
class AnimationParametersTest : public MainWindowFixture {
protected:
    FramesDialog* dialog() const { return window->findChild<FramesDialog*>("Form5"); }

    struct OpenDialog {
        FramesDialog& dialog;
        QString shownCount() const { return dialog.findChild<QLabel*>("Label1")->text(); }
        int sliderValue() const { return dialog.findChild<QScrollBar*>("HScroll1")->value(); }
        void moveSlider(int value) { dialog.findChild<QScrollBar*>("HScroll1")->setValue(value); }
        void click(const char* button) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        }
    };

    // Runs the command through toolbar button 8; `act` works on the dialog while it is open and
    // must close it.
    void openParameters(const std::function<void(OpenDialog&)>& act) {
        const auto actOnOpenDialog = [&](FramesDialog& open) {
            ASSERT_EQ(&open, dialog());
            ASSERT_TRUE(open.isVisible());
            ASSERT_TRUE(open.isModal());
            OpenDialog driver{open};
            act(driver);
        };
        EXPECT_TRUE(driveModalDialog<FramesDialog>([this] { click(8); }, actOnOpenDialog));
        ASSERT_NE(dialog(), nullptr);
        EXPECT_FALSE(dialog()->isVisible());
    }

    // A new animation with the timer stopped, so that only the dialog changes ka.
    void newAnimation(int frames, int current) {
        trigger("newani");
        window->findChild<QTimer*>("Timer1")->stop();
        if (frames != 4)
            openParameters([frames](OpenDialog& open) {
                open.moveSlider(frames);
                open.click("Command1");
            });
        doc().k = static_cast<std::uint8_t>(current);
        doc().IZM = kFalse;
        doc().ka = 3;
    }
};

TEST_F(AnimationParametersTest, EveryFrameCommandRefusesAPictureOnceAndChangesNothing) {
    doc().ka = 1;
    for (const char* name : {"frnext", "frfor", "ainopt"}) {
        SCOPED_TRACE(name);
        prompts.shown.clear();
        trigger(name);
        ASSERT_EQ(prompts.shown.size(), 1);
        EXPECT_EQ(prompts.shown[0].kind, "notice");
        EXPECT_EQ(prompts.shown[0].text, "Только для анимации");
        EXPECT_EQ(doc().k, 1);
        EXPECT_EQ(doc().kK, 1);
        EXPECT_EQ(doc().ka, 1);
        EXPECT_EQ(doc().IZM, kFalse);
    }
    EXPECT_EQ(dialog(), nullptr);
}

TEST_F(AnimationParametersTest, OpensOnTheDocumentsCount) {
    newAnimation(1, 1);
    openParameters([](OpenDialog& open) {
        EXPECT_EQ(open.sliderValue(), 1);
        EXPECT_EQ(open.shownCount(), " 1");
        EXPECT_EQ(open.dialog.windowTitle(), "Параметры анимации");
        open.click("Command2");
    });
}

TEST_F(AnimationParametersTest, LoweringTheCountBelowTheCurrentFrameMovesIt) {
    newAnimation(10, 7);
    openParameters([](OpenDialog& open) {
        open.moveSlider(5);
        open.click("Command1");
    });
    EXPECT_EQ(doc().kK, 5);
    EXPECT_EQ(doc().k, 5);
    EXPECT_EQ(doc().ka, 1);
    EXPECT_EQ(doc().IZM, kTrue);
    EXPECT_EQ(label("Label2_3"), " 5");
    EXPECT_EQ(label("Label2_4"), " 5");
    EXPECT_EQ(label("Label2_2"), " 165");

    openParameters([](OpenDialog& open) {
        open.moveSlider(6);
        open.click("Command1");
    });
    EXPECT_EQ(doc().kK, 6);
    EXPECT_EQ(doc().k, 5) << "a count at or above the current frame leaves it alone";
}

TEST_F(AnimationParametersTest, FramesAboveALoweredCountComeBackWhenItIsRaised) {
    newAnimation(6, 1);
    doc().pixels[5][3][4] = kCellSet;
    doc().pixels[6][16][16] = kCellSet;
    openParameters([](OpenDialog& open) {
        open.moveSlider(2);
        open.click("Command1");
    });
    trigger("frnext");
    trigger("frnext");
    EXPECT_EQ(doc().k, 1) << "frames above the count are not stepped to";

    openParameters([](OpenDialog& open) {
        open.moveSlider(6);
        open.click("Command1");
    });
    EXPECT_EQ(doc().pixels[5][3][4], kCellSet);
    EXPECT_EQ(doc().pixels[6][16][16], kCellSet);
    for (int step = 0; step < 4; ++step)
        trigger("frnext");
    EXPECT_EQ(doc().k, 5);
}

TEST_F(AnimationParametersTest, CancelAndTheCloseBoxChangeNothing) {
    newAnimation(4, 3);
    const std::function<void(OpenDialog&)> ways[] = {
        [](OpenDialog& open) { open.click("Command2"); },
        [](OpenDialog& open) { open.dialog.close(); },
    };
    for (const auto& closeDialog : ways) {
        openParameters([&](OpenDialog& open) {
            EXPECT_EQ(open.shownCount(), " 4") << "the abandoned position is not shown again";
            EXPECT_EQ(open.sliderValue(), 4);
            open.moveSlider(1);
            EXPECT_EQ(open.shownCount(), " 1");
            closeDialog(open);
        });
        EXPECT_EQ(doc().kK, 4);
        EXPECT_EQ(doc().k, 3);
        EXPECT_EQ(doc().ka, 3);
        EXPECT_EQ(doc().IZM, kFalse);
        EXPECT_EQ(label("Label2_3"), " 4");
    }
}

TEST_F(AnimationParametersTest, OkMarksTheDocumentChangedOnlyWhenTheCountChanged) {
    newAnimation(4, 2);
    FramesDialog* first = nullptr;
    openParameters([&](OpenDialog& open) {
        first = &open.dialog;
        open.click("Command1");
    });
    EXPECT_EQ(doc().kK, 4);
    EXPECT_EQ(doc().k, 2);
    EXPECT_EQ(doc().ka, 1) << "OK restarts the preview even when nothing else changes";
    EXPECT_EQ(doc().IZM, kFalse);

    openParameters([&](OpenDialog& open) {
        EXPECT_EQ(&open.dialog, first) << "the dialog is made once and shown again";
        open.moveSlider(8);
        open.click("Command1");
    });
    EXPECT_EQ(doc().kK, 8);
    EXPECT_EQ(doc().IZM, kTrue);
    EXPECT_EQ(label("Label2_3"), " 8");
}

} // namespace
