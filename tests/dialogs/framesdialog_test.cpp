#include "framesdialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

class FramesDialogTest : public testing::Test {
protected:
    template <typename T> T* child(const char* name) const {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString shownCount() const { return child<QLabel>("Label1")->text(); }
    QScrollBar* slider() const { return child<QScrollBar>("HScroll1"); }

    FramesDialog dialog;
};

TEST_F(FramesDialogTest, ControlsStandAtTheirPlaces) {
    EXPECT_EQ(dialog.objectName(), "Form5");
    EXPECT_EQ(dialog.windowTitle(), "Параметры анимации");
    EXPECT_EQ(dialog.minimumSize(), QSize(281, 98));
    EXPECT_EQ(dialog.maximumSize(), QSize(281, 98));

    auto* group = child<QGroupBox>("Frame1");
    EXPECT_EQ(group->title(), "Количество кадров");
    EXPECT_EQ(group->geometry(), QRect(8, 8, 265, 41));
    auto* label = child<QLabel>("Label1");
    EXPECT_EQ(label->parentWidget(), group);
    EXPECT_EQ(label->geometry(), QRect(8, 16, 57, 17));
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(label->frameShape(), QFrame::Panel);
    EXPECT_EQ(label->lineWidth(), 1);
    EXPECT_EQ(slider()->parentWidget(), group);
    EXPECT_EQ(slider()->geometry(), QRect(72, 16, 185, 17));
    EXPECT_EQ(slider()->orientation(), Qt::Horizontal);
    EXPECT_EQ(slider()->minimum(), 1);
    EXPECT_EQ(slider()->maximum(), 16);
    EXPECT_EQ(slider()->singleStep(), 1);
    EXPECT_EQ(slider()->pageStep(), 1);

    auto* ok = child<QPushButton>("Command1");
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(64, 64, 97, 25));
    auto* cancel = child<QPushButton>("Command2");
    EXPECT_EQ(cancel->text(), "Отмена");
    EXPECT_EQ(cancel->geometry(), QRect(176, 64, 97, 25));
}

TEST_F(FramesDialogTest, TheLabelShowsTheCountWithALeadingBlank) {
    for (int count : {1, 4, 16}) {
        dialog.setFrameCount(count);
        EXPECT_EQ(slider()->value(), count);
        EXPECT_EQ(shownCount(), QStringLiteral(" %1").arg(count));
        EXPECT_EQ(dialog.frameCount(), count);
    }
}

TEST_F(FramesDialogTest, TheLabelFollowsEveryMoveOfTheSlider) {
    dialog.setFrameCount(4);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(shownCount(), " 5");
    slider()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(shownCount(), " 4");
    QTest::keyClick(slider(), Qt::Key_Right);
    EXPECT_EQ(shownCount(), " 5");
    QTest::keyClick(slider(), Qt::Key_Up);
    EXPECT_EQ(shownCount(), " 4");
    QTest::keyClick(slider(), Qt::Key_Left);
    EXPECT_EQ(shownCount(), " 3");
    QTest::keyClick(slider(), Qt::Key_PageDown);
    EXPECT_EQ(shownCount(), " 4");
    QTest::keyClick(slider(), Qt::Key_End);
    EXPECT_EQ(shownCount(), " 16");

    // Dragging the thumb: each position it passes shows at once, before it is let go.
    slider()->setSliderDown(true);
    slider()->setSliderPosition(9);
    EXPECT_EQ(shownCount(), " 9");
    slider()->setSliderPosition(2);
    EXPECT_EQ(shownCount(), " 2");
    slider()->setSliderDown(false);
    EXPECT_EQ(dialog.frameCount(), 2);
}

TEST_F(FramesDialogTest, TabGoesFromTheSliderToOkAndCancel) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(slider()->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(QApplication::focusWidget(), slider());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child<QPushButton>("Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child<QPushButton>("Command2"));
}

TEST_F(FramesDialogTest, EveryOpeningStartsAtTheSliderSoThatReturnAccepts) {
    const auto open = [this] {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        return QTest::qWaitForWindowActive(&dialog);
    };
    ASSERT_TRUE(open());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // Отмена
    ASSERT_FALSE(dialog.isVisible());

    ASSERT_TRUE(open());
    EXPECT_EQ(QApplication::focusWidget(), slider());
    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0][0].toInt(), QDialog::Accepted);
}

TEST_F(FramesDialogTest, OkAcceptsWhileCancelAndTheCloseBoxReject) {
    const struct {
        const char* way;
        std::function<void()> close;
        QDialog::DialogCode result;
    } ways[] = {
        {"OK", [&] { QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton); },
         QDialog::Accepted},
        {"Отмена", [&] { QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton); },
         QDialog::Rejected},
        {"close box", [&] { dialog.close(); }, QDialog::Rejected},
    };
    for (const auto& entry : ways) {
        SCOPED_TRACE(entry.way);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy finished(&dialog, &QDialog::finished);
        entry.close();
        ASSERT_EQ(finished.size(), 1);
        EXPECT_EQ(finished[0][0].toInt(), entry.result);
        EXPECT_FALSE(dialog.isVisible());
    }
}

} // namespace
