#include "fieldimage.h"
#include "picturedocument.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

const QRgb kSet = qRgb(0, 0, 128);
const QRgb kClear = qRgb(255, 255, 255);
const QRgb kGrid = qRgb(192, 192, 192);

struct FieldCase {
    int width; // logical inner size of the field
    int height;
    qreal ratio;
    int columns; // MX x MY
    int rows;
};

std::unique_ptr<PictureDocument> randomPicture(int columns, int rows, unsigned seed) {
    auto doc = std::make_unique<PictureDocument>();
    doc->MX = columns;
    doc->MY = rows;
    std::mt19937 random(seed);
    for (int x = 1; x <= columns; ++x) {
        for (int y = 1; y <= rows; ++y) {
            doc->pixels[1][x][y] = (random() & 1) ? kCellSet : kCellClear;
        }
    }
    return doc;
}

// Every device pixel is either the cell's colour or, with the grid on, grey on the first line
// of a cell's columns or rows; cells tile the whole image without gaps.
void expectCellsTile(const FieldImage& field, const PictureDocument& doc) {
    const QImage& image = field.image();
    const bool grid = isSet(doc.gridOn);
    const int line = field.gridLineWidth();
    EXPECT_EQ(field.columnEdge(0), 0);
    EXPECT_EQ(field.columnEdge(doc.MX), image.width());
    EXPECT_EQ(field.rowEdge(0), 0);
    EXPECT_EQ(field.rowEdge(doc.MY), image.height());
    for (int x = 1; x <= doc.MX; ++x) {
        for (int y = 1; y <= doc.MY; ++y) {
            const QRgb cell = isSet(doc.pixels[1][x][y]) ? kSet : kClear;
            for (int px = field.columnEdge(x - 1); px < field.columnEdge(x); ++px) {
                for (int py = field.rowEdge(y - 1); py < field.rowEdge(y); ++py) {
                    const bool onLine = grid && (px < field.columnEdge(x - 1) + line ||
                                                 py < field.rowEdge(y - 1) + line);
                    ASSERT_EQ(image.pixel(px, py), onLine ? kGrid : cell)
                        << "cell " << x << "," << y << " at " << px << "," << py;
                }
            }
        }
    }
}

TEST(FieldImage, CellsTileTheFieldWithGridLinesOnTheirBorders) {
    const FieldCase cases[] = {
        {281, 282, 1.0, 32, 32}, {281, 282, 1.0, 101, 46}, {958, 538, 2.0, 128, 96},
        {100, 37, 1.0, 7, 5},    {45, 33, 1.5, 16, 16},    {300, 200, 1.0, 1, 1},
    };
    unsigned seed = 1;
    for (const FieldCase& c : cases) {
        for (const Flag grid : {kTrue, kFalse}) {
            SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " @" << c.ratio << " "
                                            << c.columns << "x" << c.rows << " grid " << grid);
            auto doc = randomPicture(c.columns, c.rows, seed++);
            doc->gridOn = grid;
            FieldImage field;
            field.resize(QSize(c.width, c.height), c.ratio);
            field.renderAll(*doc);
            EXPECT_EQ(field.image().size(),
                      QSize(qRound(c.width * c.ratio), qRound(c.height * c.ratio)));
            expectCellsTile(field, *doc);
        }
    }
}

// One image through changes of size, device pixel ratio and picture size: the cells always tile
// the image as it is now, and a single cell painted first stays inside it.
TEST(FieldImage, CellEdgesFollowEveryChangeOfSizeRatioAndPictureSize) {
    const FieldCase steps[] = {
        {281, 282, 1.0, 32, 32}, {281, 282, 2.0, 32, 32},  {140, 100, 2.0, 32, 32},
        {140, 100, 1.0, 32, 32}, {140, 100, 1.0, 128, 96}, {600, 400, 1.5, 8, 8},
    };
    FieldImage field;
    unsigned seed = 1;
    for (const FieldCase& step : steps) {
        SCOPED_TRACE(testing::Message() << step.width << "x" << step.height << " @" << step.ratio
                                        << " " << step.columns << "x" << step.rows);
        auto doc = randomPicture(step.columns, step.rows, seed++);
        field.resize(QSize(step.width, step.height), step.ratio);
        const QRect lastCell = field.renderCell(*doc, step.columns, step.rows, true);
        EXPECT_TRUE(field.image().rect().contains(lastCell));
        field.renderAll(*doc);
        expectCellsTile(field, *doc);
    }
}

TEST(FieldImage, OneCellPaintsLikeTheFullRedraw) {
    auto doc = randomPicture(32, 32, 7);
    FieldImage field;
    field.resize(QSize(281, 282), 1.0);
    field.renderAll(*doc);
    doc->pixels[1][5][9] = kCellSet;
    doc->pixels[1][32][32] = kCellClear;
    EXPECT_EQ(field.renderCell(*doc, 5, 9, true),
              QRect(QPoint(field.columnEdge(4), field.rowEdge(8)),
                    QPoint(field.columnEdge(5) - 1, field.rowEdge(9) - 1)));
    field.renderCell(*doc, 32, 32, false);
    expectCellsTile(field, *doc);
}

TEST(FieldImage, ShowsTheCurrentFrame) {
    auto doc = std::make_unique<PictureDocument>();
    doc->MX = 2;
    doc->MY = 1;
    doc->kK = 3;
    doc->k = 3;
    doc->gridOn = kFalse;
    doc->pixels[3][2][1] = kCellSet;
    doc->pixels[1][1][1] = kCellSet;
    FieldImage field;
    field.resize(QSize(20, 10), 1.0);
    field.renderAll(*doc);
    EXPECT_EQ(field.image().pixel(2, 5), kClear);
    EXPECT_EQ(field.image().pixel(15, 5), kSet);
}

} // namespace
