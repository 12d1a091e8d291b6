#include "picturedocument.h"
#include "previewbox.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr QRgb kBackground = qRgb(234, 234, 234);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

struct Placement {
    int width, height;
    QRect area;
};

// Every cell lands on its own pixel: a checkerboard shows unbroken, with background all round.
TEST(PreviewBox, DrawsTheFrameCentredAtTrueSize) {
    const Placement placements[] = {
        {8, 8, {60, 44, 8, 8}},     {128, 96, {0, 0, 128, 96}}, {16, 16, {56, 40, 16, 16}},
        {7, 5, {60, 45, 7, 5}},     {1, 1, {63, 47, 1, 1}},     {127, 95, {0, 0, 127, 95}},
        {72, 28, {28, 34, 72, 28}}, {9, 96, {59, 0, 9, 96}},
    };
    auto doc = std::make_unique<PictureDocument>();
    for (int x = 1; x <= kMaxWidth; ++x)
        for (int y = 1; y <= kMaxHeight; ++y)
            doc->pixels[3][x][y] = (x + y) % 2 == 0 ? kCellSet : kCellClear;
    PreviewBox box;
    for (const Placement& placement : placements) {
        SCOPED_TRACE(testing::Message() << placement.width << " x " << placement.height);
        doc->MX = placement.width;
        doc->MY = placement.height;
        box.showFrame(*doc, 3);
        const QImage& image = box.image();
        ASSERT_EQ(image.size(), QSize(128, 96));
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 128; ++x) {
                const QPoint pixel(x, y);
                QRgb expected = kBackground;
                if (placement.area.contains(pixel)) {
                    const QPoint cell = pixel - placement.area.topLeft() + QPoint(1, 1);
                    expected = (cell.x() + cell.y()) % 2 == 0 ? kBlack : kWhite;
                }
                ASSERT_EQ(image.pixel(pixel), expected) << "at " << x << ", " << y;
            }
    }
}

TEST(PreviewBox, ClearingLeavesOnlyTheBackground) {
    auto doc = std::make_unique<PictureDocument>();
    doc->pixels[1][1][1] = kCellSet;
    PreviewBox box;
    box.showFrame(*doc, 1);
    box.clear();
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(box.image().pixel(x, y), kBackground);
}

} // namespace
