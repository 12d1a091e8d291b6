#pragma once

#include "drawingfield.h"
#include "fakeprompts.h"
#include "mainwindow.h"
#include "picturedocument.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// A main window on screen, answering its questions from scripted prompts, with the lookups the
// widget tests share. The header brings the window, the prompts, the document and the field.
class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(prompts);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        field = child<DrawingField>("Pole");
    }
    // A file dialog moves the current folder to the chosen file's.
    void TearDown() override { QDir::setCurrent(savedCurrentFolder); }

    template <typename T = QWidget> T* child(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    PictureDocument& doc() { return window->document(); }
    QAction* action(const QString& name) const { return child<QAction>(name); }
    void trigger(const QString& name) const { action(name)->trigger(); }
    // Clicks toolbar button Command1_<button>.
    void click(int button) const {
        QTest::mouseClick(child<QPushButton>(QStringLiteral("Command1_%1").arg(button)),
                          Qt::LeftButton);
    }
    QString label(const QString& name) const { return child<QLabel>(name)->text(); }
    // The colour inside cell x, y of the field, clear of the grid line.
    QRgb shownCell(int x, int y) const {
        const FieldImage& image = field->fieldImage();
        return image.image().pixel(image.columnEdge(x - 1) + 3, image.rowEdge(y - 1) + 3);
    }

    QString savedCurrentFolder = QDir::currentPath();
    FakePrompts prompts;
    std::unique_ptr<MainWindow> window;
    DrawingField* field = nullptr;
};
