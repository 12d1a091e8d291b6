#include "previewbox.h"

#include "picturedocument.h"
#include "previewcycle.h"
#include "wholepixels.h"

#include <QPainter>

namespace {

constexpr QRgb kBackground = qRgb(234, 234, 234);
constexpr QRgb kSetPixel = qRgb(0, 0, 0);
constexpr QRgb kClearPixel = qRgb(255, 255, 255);
constexpr int kBorderWidth = 2;

// Black for a set cell, white for a clear one, without a branch: pictures are often noisy enough
// to defeat branch prediction.
QRgb pixelFor(Cell cell) {
    const QRgb setMask = 0u - static_cast<QRgb>(isSet(cell));
    return kClearPixel ^ (setMask & (kClearPixel ^ kSetPixel));
}

} // namespace

PreviewBox::PreviewBox(QWidget* parent)
    : QFrame(parent), image_(kMaxWidth, kMaxHeight, QImage::Format_RGB32) {
    setObjectName("view");
    setAccessibleName(QStringLiteral("Окно предосмотра"));
    setAccessibleDescription(QStringLiteral("Рисунок или кадр анимации в натуральную величину."));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
    clear();
}

void PreviewBox::clear() {
    image_.fill(kBackground);
    update();
}

void PreviewBox::showFrame(const PictureDocument& doc, int frame) {
    image_.fill(kBackground);
    const Frame& cells = doc.pixels[frame];
    const int width = doc.MX;
    const int height = doc.MY;
    const int left = previewLeft(width);
    const int top = previewTop(height);
    for (int y = 1; y <= height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(top + y - 1)) + left;
        for (int x = 1; x <= width; ++x) {
            line[x - 1] = pixelFor(cells[x][y]);
        }
    }
    update();
}

void PreviewBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // Each picture pixel stays a whole square of device pixels, never blurred or uneven.
    drawWholePixels(painter, contentsRect(), image_, QColor(kBackground));
}
