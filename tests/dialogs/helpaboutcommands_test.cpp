#include "helpwindow.h"
#include "logowindow.h"
#include "mainwindowfixture.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

class HelpAboutCommandsTest : public MainWindowFixture {};

TEST_F(HelpAboutCommandsTest, HelpShowsTheHelpWindowBesideTheMainWindow) {
    EXPECT_EQ(window->findChild<HelpWindow*>(), nullptr) << "made on first use only";
    // At the screen's right edge, so the help window goes to the left.
    const QRect screen = window->screen()->availableGeometry();
    const QPoint mainAt(screen.right() + 1 - window->frameGeometry().width(), screen.top() + 40);
    window->move(mainAt);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->pos() == mainAt; }));
    trigger("helpme");
    auto* help = window->findChild<HelpWindow*>("Form4");
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(window->findChild<QAction*>("helpme")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(help->pos(), QPoint(std::max(screen.left(), mainAt.x() - help->width()), mainAt.y()));

    // The main window goes on taking commands while the help window is open.
    trigger("newani");
    EXPECT_EQ(window->windowTitle(), "Mosaikon");
    EXPECT_TRUE(help->isVisible());
}

TEST_F(HelpAboutCommandsTest, HelpAgainKeepsTheTextAndWhereTheUserLeftIt) {
    trigger("helpme");
    auto* help = window->findChild<HelpWindow*>("Form4");
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    auto* text = help->findChild<QPlainTextEdit*>("Text1");
    QScrollBar* scroll = text->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 5) << "the text is longer than the box";
    scroll->setValue(5);
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(100);
    text->setTextCursor(cursor);

    trigger("helpme"); // while it is on screen
    EXPECT_TRUE(help->isVisible());
    QTest::mouseClick(help->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    ASSERT_FALSE(help->isVisible());
    trigger("helpme"); // after it was hidden

    EXPECT_EQ(window->findChildren<HelpWindow*>().size(), 1);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(scroll->value(), 5);
    EXPECT_EQ(text->textCursor().position(), 100);
}

TEST_F(HelpAboutCommandsTest, HelpBringsTheOpenHelpWindowToTheFront) {
    const auto activeIs = [](QWidget* expected) {
        return QTest::qWaitFor([&] { return QApplication::activeWindow() == expected; }, 2000);
    };
    trigger("helpme");
    auto* help = window->findChild<HelpWindow*>("Form4");
    ASSERT_TRUE(activeIs(help));
    window->activateWindow();
    ASSERT_TRUE(activeIs(window.get()));
    trigger("helpme");
    EXPECT_TRUE(activeIs(help));
}

TEST_F(HelpAboutCommandsTest, AboutShowsTheLogoWindowModallyUntilAKey) {
    EXPECT_EQ(window->findChild<LogoWindow*>(), nullptr) << "made on first use only";
    trigger("about");
    auto* logo = window->findChild<LogoWindow*>("Form3");
    ASSERT_NE(logo, nullptr);
    EXPECT_TRUE(logo->isVisible());
    EXPECT_EQ(logo->windowModality(), Qt::ApplicationModal);

    QTest::keyClick(logo, Qt::Key_Space);
    EXPECT_FALSE(logo->isVisible());
    trigger("about");
    EXPECT_TRUE(logo->isVisible());
    EXPECT_EQ(window->findChildren<LogoWindow*>().size(), 1);
    QTest::mouseClick(logo, Qt::LeftButton);
    EXPECT_FALSE(logo->isVisible());
}

// The splash shown at start-up serves as the About box, its count included.
TEST_F(HelpAboutCommandsTest, AboutShowsTheStartUpLogoWindowWhoseCountGoesOn) {
    LogoWindow splash(nullptr, 3600 * 1000);
    for (int i = 0; i < 40; ++i) {
        splash.tick();
    }
    window->setLogoWindow(&splash);
    trigger("about");
    EXPECT_EQ(window->findChild<LogoWindow*>(), nullptr);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.splashTicks(), 40);
    for (int i = 40; i < LogoWindow::kLastTick; ++i) {
        splash.tick();
    }
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
