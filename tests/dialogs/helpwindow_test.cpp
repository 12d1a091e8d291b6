#include "besidewindow.h"
#include "helptext.h"
#include "helpwindow.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(HelpText, RunsFromTheProgramNameToTheFirstVersionAndEndsWithAnEmptyLine) {
    const QString text = helpText();
    EXPECT_TRUE(text.startsWith("Mosaikon.\n\nВерсия 1.3\n\n   Программа предназначена"));
    EXPECT_TRUE(text.endsWith("Версия 1.0\n1. Появилась на свет.\n\n"));
    EXPECT_FALSE(text.contains('\r'));
}

// Every entry is one line; an empty line follows the entries that close a section.
TEST(HelpText, HasTheTwentyEightEntriesInOrder) {
    const QStringList lines = helpText().split('\n');
    QStringList entries;
    QList<int> entriesBeforeAnEmptyLine;
    for (int i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].isEmpty()) {
            entriesBeforeAnEmptyLine.append(entries.size());
            continue;
        }
        entries.append(lines[i]);
    }
    EXPECT_TRUE(lines.last().isEmpty());
    ASSERT_EQ(entries.size(), 28);
    EXPECT_EQ(entriesBeforeAnEmptyLine, (QList<int>{1, 2, 6, 7, 13, 19, 26, 28}));

    const struct {
        int entry;
        const char* line;
    } expected[] = {
        {1, "Mosaikon."},
        {2, "Версия 1.3"},
        {4, "   Редактирование рисунка производиться всего двумя клавишами: левой и правой "
            "кнопками мыши. Есть возможность скролла, осуществляется нажатием стрелок на цифровой "
            "клавиатуре (цифр). Для удобства можно включать и выключать сетку, разделяющую пикселы "
            "(Ctrl+G)."},
        {5, "   В программе есть возможность импорта изображения с BMP-файлов. Есть недостаток: "
            "загружать рисунки можно только с размерами ширины 32,64,96,128, т.е. с градацией 32. "
            "В следующих версиях попытаюсь убрать эту неприятность."},
        {6, "   Рисование анимации. Создаётся так же как и изображение (Файл/новая анимация). В "
            "следующей версии появится конвертирвоание изображения в анимацию и наоборот."},
        {7, "История версий."},
        {12, "4. Исправлены ошибки, козникающие при ипорте из BMP."},
        {14, "Версия 1.2"},
        {16, "2. Появился предосмотр с счётчиком кадров."},
        {22, "2. Улучшенный внешний вид. Теперь моя программа не выглядит такой примитивной. :-)"},
        {24, "4. Устранена ошибка, которая возникала при ведении линий за пределы рисунка (так и "
             "невозможность  рисовать нижнюю часть у вертикально расположенных рисунков)."},
        {27, "Версия 1.0"},
        {28, "1. Появилась на свет."},
    };
    for (const auto& row : expected) {
        EXPECT_EQ(entries[row.entry - 1], QString::fromUtf8(row.line)) << "entry " << row.entry;
    }
    EXPECT_TRUE(entries[2].startsWith("   Программа предназначена для создания"));
    EXPECT_TRUE(entries[2].endsWith("(предназначенных для мобильных телефонов). Данные рисунки "
                                    "настолько малы, что их можно отправлять в SMS-сообщениях. "
                                    "Стандартными размерами для таких рисунков являются 16x16, "
                                    "24x26, 32x32, 72x14, 72x28, но в программе можно изменять "
                                    "размеры и по собственному желанию, максимальный размер "
                                    "128x96. Однако не все телефоны могут отправлять и принимать "
                                    "рисунки не стандартного размера."));
}

TEST(PositionBeside, RightOfTheAnchorElseLeftAndAlwaysOnTheScreen) {
    const QSize help(497, 442);
    const struct {
        const char* where;
        QRect anchor;
        QRect screen;
        QPoint expected;
    } cases[] = {
        {"room on the right", {749, 300, 421, 360}, {0, 0, 1920, 1080}, {1170, 300}},
        {"room on the left only", {1400, 300, 421, 360}, {0, 0, 1920, 1080}, {903, 300}},
        {"on a second screen", {2000, 100, 421, 360}, {1920, 0, 1280, 1024}, {2421, 100}},
        // Neither side has room: the roomier side, pushed back onto the screen.
        {"no room, more on the right", {300, 204, 421, 360}, {0, 0, 1024, 768}, {527, 204}},
        {"no room, more on the left", {400, 204, 421, 360}, {0, 0, 1024, 768}, {0, 204}},
        {"low on the screen", {749, 700, 421, 360}, {0, 0, 1920, 1080}, {1170, 638}},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(positionBeside(row.anchor, help, row.screen), row.expected) << row.where;
    }
}

class HelpWindowTest : public testing::Test {
protected:
    template <typename T> T* child(const char* name) const {
        T* found = help.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    HelpWindow help;
};

TEST_F(HelpWindowTest, HoldsTheTextAndTheCloseButtonAtTheirPlaces) {
    EXPECT_EQ(help.objectName(), "Form4");
    EXPECT_EQ(help.windowTitle(), "Справка");
    EXPECT_TRUE(help.isWindow());
    EXPECT_EQ(help.minimumSize(), QSize(497, 442));
    EXPECT_EQ(help.maximumSize(), QSize(497, 442));
    EXPECT_EQ(help.font().pixelSize(), 11);

    const auto* text = child<QPlainTextEdit>("Text1");
    EXPECT_EQ(text->geometry(), QRect(0, 0, 497, 409));
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text->toPlainText(), helpText());

    const auto* close = child<QPushButton>("Command1");
    EXPECT_EQ(close->geometry(), QRect(376, 416, 121, 25));
    EXPECT_EQ(close->text(), "Закрыть");
}

TEST_F(HelpWindowTest, CloseButtonHidesTheWindow) {
    help.showInFront();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(help.isVisible());
}

TEST_F(HelpWindowTest, TheUserCannotTypeIntoTheText) {
    help.showInFront();
    auto* text = child<QPlainTextEdit>("Text1");
    QTest::keyClicks(text, "abc");
    QTest::keyClick(text, Qt::Key_Delete);
    EXPECT_EQ(text->toPlainText(), helpText());
}

} // namespace
