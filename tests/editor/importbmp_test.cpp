#include "mainwindowfixture.h"
#include "picturedocument.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Toolbar button 11 and the File menu reach the BMP import, and the field shows the picture.
class ImportBmpWiring : public MainWindowFixture {};

TEST_F(ImportBmpWiring, ToolbarButtonImportsAndTheFieldShowsIt) {
    doc().pixels[1][2][1] = kCellSet;
    doc().fileName = "old.ems";
    window->redrawField();
    prompts.fileAnswers = {{QStringLiteral(TEST_DATA_DIR "/bmp/pillow-72x14.bmp")}};
    QTest::mouseClick(window->findChild<QPushButton*>("Command1_11"), Qt::LeftButton);

    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(doc().MX, 72);
    EXPECT_EQ(doc().MY, 14);
    EXPECT_EQ(label("Label2_0"), " 72 x 14");
    EXPECT_EQ(window->windowTitle(), "Mosaikon");
    // In the picture 1, 1 and 3, 3 are black, 2, 1 and 72, 14 white; the cell 2, 1 drawn before
    // is replaced.
    EXPECT_EQ(shownCell(1, 1), qRgb(0, 0, 128));
    EXPECT_EQ(shownCell(2, 1), qRgb(255, 255, 255));
    EXPECT_EQ(shownCell(3, 3), qRgb(0, 0, 128));
    EXPECT_EQ(shownCell(72, 14), qRgb(255, 255, 255));
}

TEST_F(ImportBmpWiring, MenuItemReportsARefusedFile) {
    prompts.fileAnswers = {{QStringLiteral(TEST_DATA_DIR "/bmp/pillow-8x100.bmp")}};
    window->findChild<QAction*>("frombmp")->trigger();

    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].kind, "error");
    EXPECT_EQ(prompts.shown[0].text,
              "Ошибка при открытии файла. Убедитесь что это двухцветный bmp-файл.");
    EXPECT_EQ(doc().MX, 32);
    EXPECT_EQ(doc().MY, 32);
    EXPECT_EQ(label("Label2_0"), " 32 x 32");
}

} // namespace
