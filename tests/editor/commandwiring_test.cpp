#include "designmenus.h"
#include "mainwindowfixture.h"
#include "picturedocument.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The menu items, toolbar buttons and keys reach the editing and frame commands, and the field
// shows their result at once.
class CommandWiringTest : public MainWindowFixture {};

TEST_F(CommandWiringTest, DigitKeysScrollTheDrawingOnTheField) {
    doc().pixels[1][5][5] = kCellSet;
    field->setFocus();
    QTest::keyClicks(field, "8");
    EXPECT_EQ(doc().pixels[1][5][4], kCellSet);
    EXPECT_EQ(shownCell(5, 4), qRgb(0, 0, 128));
    QTest::keyClicks(field, "4");
    EXPECT_EQ(doc().pixels[1][4][4], kCellSet);
    QTest::keyClicks(window->findChild<QPushButton*>("Command1_0"), "62");
    EXPECT_EQ(doc().pixels[1][5][5], kCellSet);
    EXPECT_EQ(doc().IZM, kTrue);
}

TEST_F(CommandWiringTest, ClipboardCommandsFromToolbarAndMenu) {
    doc().pixels[1][2][3] = kCellSet;
    click(5); // copy
    trigger("delete");
    EXPECT_EQ(doc().pixels[1][2][3], kCellClear);
    EXPECT_EQ(shownCell(2, 3), qRgb(255, 255, 255));
    click(6); // paste
    EXPECT_EQ(doc().pixels[1][2][3], kCellSet);
    EXPECT_EQ(shownCell(2, 3), qRgb(0, 0, 128));
    click(4); // cut
    EXPECT_EQ(doc().pixels[1][2][3], kCellClear);
    trigger("editundo");
    EXPECT_EQ(doc().pixels[1][2][3], kCellClear) << "undo after a cut restores the paste's copy";
}

TEST_F(CommandWiringTest, FrameCommandsStepAnAnimationAndRefuseAPicture) {
    const auto before = std::make_unique<PictureDocument>(doc());
    for (const char* name : {"frnext", "frfor"}) {
        prompts.shown.clear();
        trigger(name);
        ASSERT_EQ(prompts.shown.size(), 1) << name;
        EXPECT_EQ(prompts.shown[0].kind, "notice");
        EXPECT_EQ(prompts.shown[0].text, "Только для анимации");
        EXPECT_EQ(doc().k, before->k);
        EXPECT_EQ(doc().ka, before->ka);
    }

    trigger("newani");
    prompts.shown.clear();
    click(9);
    EXPECT_EQ(doc().k, 2);
    EXPECT_EQ(label("Label2_4"), " 2");
    QTest::keyClicks(field, "!!");
    EXPECT_EQ(doc().k, 4);
    EXPECT_EQ(label("Label2_4"), " 4");
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(CommandWiringTest, AMenuItemNoMenuHoldsStopsTheProgramNamingIt) {
    EXPECT_NE(menuAction(*window, "setka"), nullptr);
    // A fresh copy of the test program dies, not this one with its open window.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(menuAction(*window, "sekta"), "\"sekta\"");
}

} // namespace
