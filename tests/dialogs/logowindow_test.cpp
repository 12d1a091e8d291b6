#include "logowindow.h"

#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A tick far longer than any test: the tests count the ticks themselves.
constexpr int kManualTicks = 3600 * 1000;

class LogoWindowTest : public testing::Test {
protected:
    void ticks(int count) {
        for (int i = 0; i < count; ++i) {
            logo.tick();
        }
    }
    const QTimer* timer() const { return logo.findChild<QTimer*>("Timer1"); }

    LogoWindow logo{nullptr, kManualTicks};
};

TEST_F(LogoWindowTest, ShowsTheLogoAndTheVersionNoticeWithoutABorder) {
    EXPECT_EQ(logo.objectName(), "Form3");
    EXPECT_EQ(logo.size(), QSize(500, 230));
    EXPECT_TRUE(logo.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(logo.font().pixelSize(), 11);

    const auto* notice = logo.findChild<QLabel*>("Label1");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->text(), "Версия 1.3 2005 год.");
    EXPECT_EQ(notice->geometry(), QRect(8, 208, 481, 17));
    EXPECT_EQ(notice->alignment(), Qt::AlignCenter);

    // The picture fills the window: a corner and the middle of the window match the logo file.
    const QImage logoImage(":/logo.png");
    ASSERT_EQ(logoImage.size(), QSize(500, 230));
    const QImage shown = logo.grab().toImage();
    for (const QPoint point : {QPoint(2, 2), QPoint(250, 115), QPoint(497, 5)}) {
        EXPECT_EQ(shown.pixel(point), logoImage.pixel(point)) << point.x() << "," << point.y();
    }
}

TEST(LogoWindowTimer, CountsSixteenMillisecondTicksFromTheStart) {
    LogoWindow logo;
    const auto* timer = logo.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 16);
    EXPECT_EQ(logo.splashTicks(), 0);
}

TEST_F(LogoWindowTest, ShowsModalCentredOnTheScreen) {
    logo.showModal();
    EXPECT_TRUE(logo.isVisible());
    EXPECT_EQ(logo.windowModality(), Qt::ApplicationModal);
    const QPoint screenCentre = logo.screen()->availableGeometry().center();
    EXPECT_LE((logo.geometry().center() - screenCentre).manhattanLength(), 1);
}

TEST_F(LogoWindowTest, AKeyOrAnyMouseButtonHidesItAtOnceAndTheCountGoesOn) {
    const QWidget* notice = logo.findChild<QLabel*>("Label1");
    const std::function<void()> presses[] = {
        [&] { QTest::keyClick(&logo, Qt::Key_Space); },
        [&] { QTest::keyClick(&logo, Qt::Key_Escape); },
        [&] { QTest::mouseClick(&logo, Qt::LeftButton, {}, QPoint(60, 60)); },
        [&] { QTest::mouseClick(&logo, Qt::RightButton, {}, QPoint(400, 20)); },
        [&] { QTest::mouseClick(&logo, Qt::MiddleButton, {}, QPoint(250, 115)); },
        [&] {
            QTest::mouseClick(logo.windowHandle(), Qt::LeftButton, {}, notice->geometry().center());
        },
    };
    int expectedTicks = 0;
    for (std::size_t i = 0; i < std::size(presses); ++i) {
        logo.showModal();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&logo));
        ticks(3);
        expectedTicks += 3;
        presses[i]();
        EXPECT_FALSE(logo.isVisible()) << "press " << i;
        EXPECT_EQ(logo.splashTicks(), expectedTicks) << "press " << i;
        EXPECT_TRUE(timer()->isActive()) << "press " << i;
    }
}

TEST_F(LogoWindowTest, AnAboutBoxOpenedWhileTheCountRunsHidesItselfAtTheHundredAndFirstTick) {
    logo.showModal();
    ticks(20);
    QTest::keyClick(&logo, Qt::Key_Return);
    ASSERT_FALSE(logo.isVisible());

    logo.showModal();
    ticks(80);
    EXPECT_TRUE(logo.isVisible());
    EXPECT_EQ(logo.splashTicks(), 100);
    logo.tick();
    EXPECT_FALSE(logo.isVisible());
    EXPECT_EQ(logo.splashTicks(), 0);
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(LogoWindowTest, AnAboutBoxOpenedAfterTheCountRanOutStaysUntilAKeyOrAClick) {
    logo.showModal();
    ticks(LogoWindow::kLastTick);
    ASSERT_FALSE(logo.isVisible());
    ASSERT_FALSE(timer()->isActive());

    for (const bool byKey : {true, false}) {
        logo.showModal();
        QCoreApplication::processEvents();
        EXPECT_TRUE(logo.isVisible());
        EXPECT_FALSE(timer()->isActive());
        if (byKey) {
            QTest::keyClick(&logo, Qt::Key_A);
        } else {
            QTest::mouseClick(&logo, Qt::LeftButton, {}, QPoint(100, 100));
        }
        EXPECT_FALSE(logo.isVisible());
    }
}

TEST_F(LogoWindowTest, ClosingOnlyHidesIt) {
    logo.showModal();
    EXPECT_FALSE(logo.close());
    EXPECT_FALSE(logo.isVisible());
    EXPECT_TRUE(timer()->isActive());
}

// The start-up waits in the window's own modal run, which ends when the window is hidden.
TEST(LogoWindowSplash, TheModalRunEndsWhenAKeyHidesTheWindow) {
    LogoWindow logo; // its real count ends the run after about 1.6 s should the key go astray
    QTimer::singleShot(0, &logo, [&] { QTest::keyClick(&logo, Qt::Key_Space); });
    logo.exec();
    EXPECT_FALSE(logo.isVisible());
    EXPECT_TRUE(logo.findChild<QTimer*>("Timer1")->isActive()) << "the count hid it, not the key";
}

TEST(LogoWindowSplash, TheRealTimerEndsTheModalRunByItself) {
    LogoWindow logo(nullptr, 1);
    QTimer::singleShot(5000, &logo, &QWidget::hide); // only should the count never end
    logo.exec();
    EXPECT_FALSE(logo.isVisible());
    EXPECT_EQ(logo.splashTicks(), 0);
    EXPECT_FALSE(logo.findChild<QTimer*>("Timer1")->isActive());
}

} // namespace
