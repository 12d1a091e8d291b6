#include "mainwindowfixture.h"
#include "picturedocument.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    // False when no paint comes within a few seconds.
    bool waitForNext() {
        const int before = paints_;
        return QTest::qWaitFor([&] { return paints_ > before; });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints_ += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

private:
    int paints_ = 0;
};

class MainWindowTest : public MainWindowFixture {
protected:
    // Resizes the window so that its client area gets the given size.
    void resizeClient(QSize size) {
        const QSize frame = window->size() - window->centralWidget()->size();
        window->resize(size + frame);
        QCoreApplication::processEvents();
    }
};

TEST_F(MainWindowTest, StartsWithAnEmptyPictureOfThirtyTwoByThirtyTwo) {
    EXPECT_EQ(window->windowTitle(), "Mosaikon");
    EXPECT_EQ(window->centralWidget()->size(), QSize(421, 342));
    EXPECT_EQ(label("Label2_0"), " 32 x 32");
    EXPECT_EQ(label("Label2_1"), "EMS");
    EXPECT_EQ(label("Label2_2"), " 131");
    EXPECT_EQ(label("Label2_3"), "");
    EXPECT_EQ(label("Label2_4"), "");
    EXPECT_FALSE(child<QLabel>("Label1_1")->isEnabled());
    EXPECT_FALSE(child<QLabel>("Label1_2")->isEnabled());
    EXPECT_TRUE(action("setka")->isChecked());
    const auto* timer = child<QTimer>("Timer1");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer) << "a coarse timer rounds the interval";
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(MainWindowTest, ControlsStandAtTheirPlaces) {
    const struct {
        const char* name;
        QRect geometry;
        const char* text;
    } controls[] = {
        {"Label1_0", {0, 32, 113, 17}, "Размер изображения:"},
        {"Label2_0", {120, 32, 73, 17}, nullptr},
        {"Label3", {200, 32, 49, 17}, "Формат:"},
        {"Label2_1", {256, 32, 33, 17}, nullptr},
        {"Label2_2", {296, 32, 49, 17}, nullptr},
        {"Label5", {352, 32, 25, 17}, "байт"},
        {"Label1_1", {0, 56, 49, 17}, "Кадров:"},
        {"Label2_3", {56, 56, 73, 17}, nullptr},
        {"Label1_2", {0, 80, 49, 17}, "Текущий:"},
        {"Label2_4", {56, 80, 73, 17}, nullptr},
        {"Check1", {0, 112, 129, 17}, nullptr},
        {"view", {0, 136, 132, 100}, nullptr},
        {"ProgressBar1", {0, 240, 132, 7}, nullptr},
        {"Pole", {136, 56, 285, 286}, nullptr},
    };
    for (const auto& control : controls) {
        const auto* widget = child<QWidget>(control.name);
        // Places in the client area, whichever panel of it holds the control.
        const QPoint place = widget->mapTo(window->centralWidget(), QPoint(0, 0));
        EXPECT_EQ(QRect(place, widget->size()), control.geometry) << control.name;
        if (control.text != nullptr) {
            EXPECT_EQ(qobject_cast<const QLabel*>(widget)->text(), control.text);
        }
    }
    EXPECT_EQ(field->contentsRect().size(), QSize(281, 282));
}

TEST_F(MainWindowTest, ToolbarButtonsShowPicturesInTheirOrder) {
    const int lefts[12] = {0, 32, 112, 144, 184, 216, 248, 288, 320, 360, 392, 72};
    for (int index = 0; index < 12; ++index) {
        const auto* button = child<QPushButton>(QStringLiteral("Command1_%1").arg(index));
        EXPECT_EQ(button->geometry(), QRect(lefts[index], 0, 29, 29)) << index;
        EXPECT_TRUE(button->text().isEmpty());
        EXPECT_TRUE(button->toolTip().isEmpty());
        EXPECT_FALSE(button->icon().pixmap(24, 24).isNull()) << "picture of button " << index;
    }
}

TEST_F(MainWindowTest, MenusHoldEveryItemWithItsShortcut) {
    const struct {
        const char* menu;
        const char* caption;
        QStringList items;
    } menus[] = {
        {"filemenu",
         "Файл",
         {"filenew Новое изображение Ctrl+N", "newani Новая анимация ",
          "fileopen Открыть файл... Ctrl+O", "t1", "frombmp Импорт из BMP ", "t9",
          "filesave Сохранить файл Ctrl+S", "filesaveas Сохранить файл как... ", "t5",
          "fileexit Выход "}},
        {"edit",
         "Редактирование",
         {"editundo Отмена Ctrl+Z", "t7", "editcut Вырезать Ctrl+X", "editcopy Копировать Ctrl+C",
          "editpaste Вставить Ctrl+V", "delete Стереть Del", "t4", "sup Скролл вверх (8) ",
          "sdown Скролл вниз (2) ", "sleft Скролл влево (4) ", "sright Скролл вправо (6) "}},
        {"ani",
         "Анимация",
         {"frnext Следующий кадр Ctrl+A", "frfor Предыдущий кадр Ctrl+Q", "t8",
          "ainopt Параметры анимации... "}},
        {"options", "Опции", {"setka Сетка Ctrl+G", "t3", "size Размер изображения... "}},
        {"help", "Справка", {"helpme Помощь F1", "t6", "about О программе... "}},
    };
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 5);
    for (int index = 0; index < 5; ++index) {
        QMenu* menu = bar[index]->menu();
        EXPECT_EQ(menu->objectName(), menus[index].menu);
        EXPECT_EQ(menu->title(), menus[index].caption);
        QStringList items;
        for (const QAction* item : menu->actions()) {
            items.append(item->isSeparator() ? item->objectName()
                                             : item->objectName() + " " + item->text() + " " +
                                                   item->shortcut().toString());
            EXPECT_TRUE(item->isEnabled() && item->isVisible());
        }
        EXPECT_EQ(items, menus[index].items);
    }
}

TEST_F(MainWindowTest, FieldFollowsTheClientArea) {
    resizeClient(QSize(600, 400));
    EXPECT_EQ(field->geometry(), QRect(136, 56, 464, 344));
    resizeClient(QSize(100, 300));
    EXPECT_EQ(field->geometry(), QRect(136, 56, 464, 244));
    resizeClient(QSize(300, 40));
    EXPECT_EQ(field->geometry(), QRect(136, 56, 164, 244));
    // Exactly the left column and the top row: no room for a field, which keeps its size.
    resizeClient(QSize(136, 56));
    ASSERT_EQ(window->centralWidget()->size(), QSize(136, 56));
    EXPECT_EQ(field->geometry(), QRect(136, 56, 164, 244));
}

TEST_F(MainWindowTest, StatusShowsAnAnimationsFrames) {
    action("newani")->trigger();
    EXPECT_EQ(label("Label2_0"), " 16 x 16");
    EXPECT_EQ(label("Label2_1"), "EMA");
    EXPECT_EQ(label("Label2_2"), " 133");
    EXPECT_EQ(label("Label2_3"), " 4");
    EXPECT_EQ(label("Label2_4"), " 1");
    EXPECT_TRUE(child<QLabel>("Label1_1")->isEnabled());
    EXPECT_EQ(child<QTimer>("Timer1")->interval(), 192);
}

TEST_F(MainWindowTest, NewCommandsAskFirstWhenTheDrawingChanged) {
    const struct {
        const char* action;
        const char* title;
    } commands[] = {{"filenew", "Создание нового рисунка"}, {"newani", "Создание новой анимации"}};
    for (const auto& command : commands) {
        doc().pixels[1][3][3] = kCellSet;
        doc().IZM = kTrue;
        prompts.shown.clear();
        prompts.saveAnswers = {SaveChangesAnswer::Cancel};
        action(command.action)->trigger();
        ASSERT_EQ(prompts.shown.size(), 1);
        EXPECT_EQ(prompts.shown[0].title, command.title);
        EXPECT_EQ(doc().pixels[1][3][3], kCellSet) << "Cancel keeps the drawing";
        EXPECT_EQ(doc().IZM, kTrue);

        prompts.saveAnswers = {SaveChangesAnswer::No};
        action(command.action)->trigger();
        EXPECT_EQ(doc().pixels[1][3][3], kCellClear);
        EXPECT_EQ(doc().IZM, kFalse);
    }
    prompts.shown.clear();
    action("filenew")->trigger();
    EXPECT_TRUE(prompts.shown.isEmpty()) << "an unchanged document is replaced without a question";
}

TEST_F(MainWindowTest, TitleRulesAfterAFileAndAfterARedraw) {
    doc().fileName = "a.ems";
    window->showTitle();
    EXPECT_EQ(window->windowTitle(), "a - Mosaikon");
    window->redrawField();
    EXPECT_EQ(window->windowTitle(), "a.ems - Mosaikon");
}

// A paint that the window system asks of the field is a full redraw, title included; the field's
// own repaints of what a command or the pen rendered are not.
TEST_F(MainWindowTest, APaintRequestOfTheFieldSetsTheFullTitle) {
    field->repaint(); // whatever paint start-up left pending
    PaintCounter paints(field);
    doc().fileName = "a.ems";
    window->redrawField();
    window->showTitle();
    ASSERT_TRUE(paints.waitForNext());
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(12, 12)); // focuses the field, too
    ASSERT_TRUE(paints.waitForNext());
    EXPECT_EQ(window->windowTitle(), "a - Mosaikon");

    field->update();
    ASSERT_TRUE(paints.waitForNext());
    EXPECT_EQ(window->windowTitle(), "a.ems - Mosaikon");
}

TEST_F(MainWindowTest, GridToggleShowsAndHidesTheLines) {
    field->setFocus();
    QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(doc().gridOn, kFalse);
    EXPECT_FALSE(action("setka")->isChecked());
    EXPECT_EQ(field->fieldImage().image().pixel(0, 4), qRgb(255, 255, 255));
    QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(doc().gridOn, kTrue);
    EXPECT_TRUE(action("setka")->isChecked());
    EXPECT_EQ(field->fieldImage().image().pixel(0, 4), qRgb(192, 192, 192));
}

TEST_F(MainWindowTest, TypedCharactersRunTheirCommandsWhereTheyApply) {
    QSignalSpy scrollUp(action("sup"), &QAction::triggered);
    QSignalSpy previous(action("frfor"), &QAction::triggered);
    QSignalSpy next(action("frnext"), &QAction::triggered);
    auto* button = child<QPushButton>("Command1_3");

    QTest::keyClicks(field, "8!\"x");
    EXPECT_EQ(scrollUp.count(), 1);
    EXPECT_EQ(previous.count(), 1);
    EXPECT_EQ(next.count(), 1);

    QTest::keyClicks(button, "8!\"");
    EXPECT_EQ(scrollUp.count(), 2) << "digits work on a toolbar button";
    EXPECT_EQ(previous.count(), 1) << "frame characters do not";
    EXPECT_EQ(next.count(), 1);
}

// With Russian as the keyboard's only layout, Ctrl and the key of N type Ctrl+Т; the shortcut
// goes by the key's place, told by its X11 keycode.
TEST_F(MainWindowTest, CtrlShortcutsGoByTheKeyWhenTheLayoutHasNoLatinLetters) {
    const struct {
        const char* action;
        quint32 keycode;
        char16_t cyrillic;
    } keys[] = {
        {"filenew", 57, u'Т'},   {"fileopen", 32, u'Щ'}, {"filesave", 39, u'Ы'},
        {"editundo", 52, u'Я'},  {"editcut", 53, u'Ч'},  {"editcopy", 54, u'С'},
        {"editpaste", 55, u'М'}, {"frnext", 38, u'Ф'},   {"frfor", 24, u'Й'},
        {"setka", 42, u'П'},
    };
    const auto press = [this](int key, Qt::KeyboardModifiers modifiers, quint32 keycode) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, keycode, 0, 0);
        QApplication::sendEvent(field, &event);
    };
    for (const auto& entry : keys) {
        QSignalSpy triggered(action(entry.action), &QAction::triggered);
        press(entry.cyrillic, Qt::ControlModifier, entry.keycode);
        press(entry.cyrillic, Qt::NoModifier, entry.keycode); // a typed letter
        // A layout that types another Latin letter there, as French does, keeps its letter.
        press(Qt::Key_W, Qt::ControlModifier, entry.keycode);
        EXPECT_EQ(triggered.count(), 1) << entry.action;
    }
}

TEST_F(MainWindowTest, ClosingAsksOnlyForAChangedDocument) {
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompts.shown.isEmpty());

    window->show();
    doc().pixels[1][1][1] = kCellSet;
    doc().IZM = kTrue;
    prompts.saveAnswers = {SaveChangesAnswer::Cancel};
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].title, "Выход");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(doc().pixels[1][1][1], kCellSet);

    prompts.saveAnswers = {SaveChangesAnswer::No};
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, DrawingInTheWindowMarksTheDocument) {
    doc().fileName = "a.ems";
    window->showTitle();
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2 + 10, 2 + 10));
    EXPECT_EQ(doc().pixels[1][2][2], kCellSet);
    EXPECT_EQ(doc().IZM, kTrue);
    EXPECT_EQ(window->windowTitle(), "a - Mosaikon") << "drawing refreshes no title";
}

} // namespace
