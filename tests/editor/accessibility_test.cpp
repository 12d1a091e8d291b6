#include "mainwindowfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AccessibilityTest : public MainWindowFixture {
protected:
    // What a screen reader is told about a widget.
    static QString spoken(QWidget* widget, QAccessible::Text text) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible != nullptr ? accessible->text(text) : QString();
    }
};

TEST_F(AccessibilityTest, ToolbarButtonsAreNamedAfterTheirCommands) {
    const char* const names[12] = {
        "Новое изображение",
        "Новая анимация",
        "Открыть файл...",
        "Сохранить файл",
        "Вырезать",
        "Копировать",
        "Вставить",
        "Размер изображения...",
        "Параметры анимации...",
        "Следующий кадр",
        "Предыдущий кадр",
        "Импорт из BMP",
    };
    for (int index = 0; index < 12; ++index) {
        SCOPED_TRACE(index);
        auto* button = qobject_cast<QPushButton*>(child(QStringLiteral("Command1_%1").arg(index)));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(spoken(button, QAccessible::Name), QString::fromUtf8(names[index]));
        EXPECT_TRUE(button->text().isEmpty());
        EXPECT_TRUE(button->toolTip().isEmpty());
    }
}

TEST_F(AccessibilityTest, FieldAndPreviewAreNamedAndDescribed) {
    QWidget* field = child("Pole");
    QWidget* preview = child("view");
    for (QWidget* widget : {field, preview}) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_FALSE(spoken(widget, QAccessible::Name).isEmpty());
        EXPECT_FALSE(spoken(widget, QAccessible::Description).isEmpty());
    }
    EXPECT_NE(spoken(field, QAccessible::Name), spoken(preview, QAccessible::Name));
}

// The toolbar from left to right as the buttons stand, then the field, then the preview switch.
const QStringList kTabOrder = {
    "Command1_0", "Command1_1",  "Command1_11", "Command1_2", "Command1_3",
    "Command1_4", "Command1_5",  "Command1_6",  "Command1_7", "Command1_8",
    "Command1_9", "Command1_10", "Pole",        "Check1",
};

TEST_F(AccessibilityTest, FocusChainFollowsTheToolbarThenTheField) {
    QWidget* first = child("Command1_0");
    QStringList reached;
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisibleTo(window.get()) &&
            widget->isEnabled()) {
            reached << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != first && reached.size() <= kTabOrder.size());
    EXPECT_EQ(reached, kTabOrder);
}

TEST_F(AccessibilityTest, TabKeyWalksTheChainAndComesBack) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    child("Command1_0")->setFocus();
    QStringList reached;
    for (qsizetype step = 0; step <= kTabOrder.size(); ++step) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        reached << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(reached, kTabOrder + QStringList{"Command1_0"});
}

} // namespace
