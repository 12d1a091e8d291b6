#include "mainwindowfixture.h"
#include "modaldriver.h"
#include "picturedocument.h"
#include "previewbox.h"
#include "sizedialog.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr QRgb kShownSet = qRgb(0, 0, 128);
constexpr QRgb kShownClear = qRgb(255, 255, 255);
constexpr QRgb kPreviewBackground = qRgb(234, 234, 234);

// The size command through the main window: the modal dialog is worked while its own event loop
// runs, and the window shows the outcome once it has closed.
class SizeCommandTest : public MainWindowFixture {
protected:
    bool fromMenu(const std::function<void(SizeDialog&)>& drive) {
        return driveModalDialog<SizeDialog>([this] { trigger("size"); }, drive);
    }

    static void clickEntry(SizeDialog& dialog, int row) {
        auto* list = dialog.findChild<QListWidget*>("List1");
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
    static void press(SizeDialog& dialog, const char* button) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    static auto chooseAndConfirm(int row) {
        return [row](SizeDialog& dialog) {
            clickEntry(dialog, row);
            press(dialog, "Command1");
        };
    }

    bool previewIsBlank() const {
        const QImage& image = window->findChild<PreviewBox*>("view")->image();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != kPreviewBackground) {
                    return false;
                }
            }
        }
        return true;
    }
};

TEST_F(SizeCommandTest, MenuItemAndToolbarButtonOpenTheDialogModally) {
    const std::function<void()> ways[] = {
        [this] { window->findChild<QAction*>("size")->trigger(); },
        [this] {
            QTest::mouseClick(window->findChild<QPushButton*>("Command1_7"), Qt::LeftButton);
        },
    };
    for (const auto& open : ways) {
        const bool driven = driveModalDialog<SizeDialog>(open, [](SizeDialog& dialog) {
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_TRUE(dialog.isModal());
            EXPECT_EQ(dialog.findChild<QScrollBar*>("HScroll1")->value(), 32);
            EXPECT_EQ(dialog.findChild<QScrollBar*>("VScroll1")->value(), 32);
            press(dialog, "Command2");
        });
        EXPECT_TRUE(driven);
    }
}

TEST_F(SizeCommandTest, CancelKeepsTheSizeButTheBlankedPreview) {
    window->setPreviewInterval(0);
    doc().pixels[1][16][16] = kCellSet;
    window->previewTick();
    ASSERT_FALSE(previewIsBlank());

    const bool driven = fromMenu([this](SizeDialog& dialog) {
        EXPECT_TRUE(previewIsBlank()) << "the preview is blanked before the dialog shows";
        dialog.findChild<QScrollBar*>("HScroll1")->setValue(100);
        dialog.findChild<QScrollBar*>("VScroll1")->setValue(50);
        press(dialog, "Command2");
    });
    ASSERT_TRUE(driven);
    EXPECT_EQ(doc().MX, 32);
    EXPECT_EQ(doc().MY, 32);
    EXPECT_EQ(doc().IZM, kFalse);
    EXPECT_EQ(label("Label2_0"), " 32 x 32");
}

TEST_F(SizeCommandTest, OkWithoutMovingMarksTheDocumentSoClosingAsks) {
    window->setPreviewInterval(0);
    doc().pixels[1][16][16] = kCellSet;
    ASSERT_TRUE(fromMenu([this](SizeDialog& dialog) {
        window->previewTick(); // the preview goes on while the dialog is open
        press(dialog, "Command1");
    }));
    EXPECT_EQ(doc().IZM, kTrue);
    EXPECT_EQ(doc().MX, 32);
    EXPECT_TRUE(previewIsBlank()) << "OK blanks the preview again";

    prompts.saveAnswers = {SaveChangesAnswer::Cancel};
    window->close();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].title, "Выход");
    EXPECT_TRUE(window->isVisible());
}

TEST_F(SizeCommandTest, ShrinkingAndGrowingBackShowsTheOldPixels) {
    doc().pixels[1][3][3] = kCellSet;
    doc().pixels[1][20][20] = kCellSet;
    window->redrawField();

    ASSERT_TRUE(fromMenu(chooseAndConfirm(0))); // 8 x 8
    EXPECT_EQ(label("Label2_0"), " 8 x 8");
    EXPECT_EQ(label("Label2_2"), " 11");
    const int cellWidth = field->fieldImage().columnEdge(1) - field->fieldImage().columnEdge(0);
    EXPECT_EQ(cellWidth, qRound(field->fieldImage().image().width() / 8.0));
    EXPECT_EQ(shownCell(3, 3), kShownSet);
    EXPECT_EQ(shownCell(4, 4), kShownClear);

    ASSERT_TRUE(fromMenu(chooseAndConfirm(3))); // 32 x 32
    EXPECT_EQ(label("Label2_0"), " 32 x 32");
    EXPECT_EQ(label("Label2_2"), " 131");
    EXPECT_EQ(shownCell(3, 3), kShownSet);
    EXPECT_EQ(shownCell(20, 20), kShownSet);
    EXPECT_EQ(doc().pixels[1][20][20], kCellSet);
}

TEST_F(SizeCommandTest, ATinyDocumentOpensTheDialogAndCancelKeepsItsSize) {
    doc().MX = 5;
    doc().MY = 5;
    window->redrawField();
    const bool driven = fromMenu([](SizeDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), " 8 x 8");
        press(dialog, "Command2");
    });
    EXPECT_TRUE(driven);
    EXPECT_EQ(doc().MX, 5);
    EXPECT_EQ(doc().MY, 5);
    EXPECT_EQ(label("Label2_0"), " 5 x 5");
}

} // namespace
