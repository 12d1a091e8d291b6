#include "drawingfield.h"
#include "picturedocument.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A field whose inner area is 281 x 282, the size it has in a window of the starting size.
class DrawingFieldTest : public testing::Test {
protected:
    void SetUp() override {
        field.resize(285, 286);
        field.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
    }

    // A point of the inner area in the widget's coordinates.
    static QPoint at(int x, int y) { return QPoint(x + 2, y + 2); }

    Cell cell(int x, int y) const { return doc->pixels[doc->k][x][y]; }

    std::unique_ptr<PictureDocument> doc = std::make_unique<PictureDocument>();
    DrawingField field{*doc};
};

TEST_F(DrawingFieldTest, PenMapsPointsToCellsByTheCellSize) {
    ASSERT_EQ(field.contentsRect().width(), 281);
    doc->heldButton = kLeftButton;
    field.penAt(0, 0);
    EXPECT_EQ(cell(1, 1), kCellSet);
    field.penAt(8.78, 100);
    EXPECT_EQ(cell(1, 12), kCellSet);
    EXPECT_EQ(cell(2, 12), kCellClear);
    field.penAt(8.79, 100);
    EXPECT_EQ(cell(2, 12), kCellSet);

    doc->IZM = kFalse;
    const FrameStore before = doc->pixels;
    for (const QPointF outside :
         {QPointF(281, 5), QPointF(-0.5, 5), QPointF(5, -1), QPointF(5, 282), QPointF(300, 300)}) {
        field.penAt(outside.x(), outside.y());
    }
    EXPECT_EQ(doc->pixels, before);
    EXPECT_EQ(doc->IZM, kFalse);
}

TEST_F(DrawingFieldTest, ButtonsSetClearOrOnlyMarkTheDocument) {
    QTest::mousePress(&field, Qt::LeftButton, {}, at(10, 10));
    QTest::mouseRelease(&field, Qt::LeftButton, {}, at(10, 10));
    EXPECT_EQ(cell(2, 2), kCellSet);
    EXPECT_EQ(doc->IZM, kTrue);
    EXPECT_EQ(doc->heldButton, kNoButton);

    QTest::mousePress(&field, Qt::RightButton, {}, at(10, 10));
    EXPECT_EQ(doc->heldButton, kRightButton);
    EXPECT_EQ(doc->undoFrame[2][2], kCellSet) << "the press took an undo copy first";
    QTest::mouseRelease(&field, Qt::RightButton, {}, at(10, 10));
    EXPECT_EQ(cell(2, 2), kCellClear);

    doc->IZM = kFalse;
    const FrameStore before = doc->pixels;
    QTest::mousePress(&field, Qt::MiddleButton, {}, at(10, 10));
    QTest::mouseRelease(&field, Qt::MiddleButton, {}, at(10, 10));
    EXPECT_EQ(doc->pixels, before);
    EXPECT_EQ(doc->IZM, kTrue);
}

TEST_F(DrawingFieldTest, StrokeLeavesAndReentersTheFieldAndEndsOnRelease) {
    QTest::mousePress(&field, Qt::LeftButton, {}, at(1, 1));
    QTest::mouseMove(&field, at(400, 1));
    QTest::mouseMove(&field, at(30, 1));
    QTest::mouseRelease(&field, Qt::LeftButton, {}, at(500, 500));
    EXPECT_EQ(cell(1, 1), kCellSet);
    EXPECT_EQ(cell(4, 1), kCellSet);
    EXPECT_EQ(doc->heldButton, kNoButton);
    QTest::mouseMove(&field, at(50, 1));
    EXPECT_EQ(cell(6, 1), kCellClear) << "no button held, no drawing";
}

TEST_F(DrawingFieldTest, ResizeEndsTheStrokeAndShowsTheCells) {
    doc->pixels[1][1][1] = kCellSet;
    QTest::mousePress(&field, Qt::LeftButton, {}, at(100, 100));
    field.resize(405, 206);
    EXPECT_EQ(doc->heldButton, kNoButton);
    // Cells are 401 / 32 x 202 / 32 now: the point lies in cell (12, 24), which a stroke still
    // going on would set.
    field.penAt(150, 150);
    EXPECT_EQ(cell(12, 24), kCellClear);
    EXPECT_EQ(field.fieldImage().image().size(), QSize(401, 202));
    EXPECT_EQ(field.fieldImage().image().pixel(5, 5), qRgb(0, 0, 128));
}

TEST_F(DrawingFieldTest, PaintingShowsTheCellsInsideTheBorder) {
    doc->pixels[1][1][1] = kCellSet;
    field.redrawCells();
    const QImage shot = field.grab().toImage();
    EXPECT_EQ(shot.pixel(2 + 4, 2 + 4), qRgb(0, 0, 128));
    EXPECT_EQ(shot.pixel(2 + 2 * 281 / 32 + 4, 2 + 4), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(2, 2 + 4), qRgb(192, 192, 192)) << "grid line on the left border";
}

// A smaller picture brings the cursor back inside, at its last row here.
TEST_F(DrawingFieldTest, CursorStaysInsideASmallerPicture) {
    for (const Qt::Key key : {Qt::Key_End, Qt::Key_PageDown, Qt::Key_Space}) {
        QTest::keyClick(&field, key);
    }
    doc->MX = 8;
    doc->MY = 4;
    field.redrawCells();
    EXPECT_EQ(field.accessibleDescription(), QStringLiteral("строка 4, столбец 8: пусто"));
    QTest::keyClick(&field, Qt::Key_Left);
    EXPECT_EQ(field.accessibleDescription(), QStringLiteral("строка 4, столбец 7: пусто"));
    EXPECT_EQ(cell(32, 32), kCellSet);
}

} // namespace
