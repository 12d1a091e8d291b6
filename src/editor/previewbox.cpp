#include "previewbox.h"

#include "picturedocument.h"

#include <QPainter>

namespace {

constexpr QRgb kBackground = qRgb(234, 234, 234);
constexpr int kBorderWidth = 2;

} // namespace

PreviewBox::PreviewBox(QWidget* parent)
    : QFrame(parent), image_(kMaxWidth, kMaxHeight, QImage::Format_RGB32) {
    setObjectName("view");
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
    clear();
}

void PreviewBox::clear() {
    image_.fill(kBackground);
    update();
}

void PreviewBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // Each picture pixel stays a whole square of device pixels, never blurred.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(contentsRect(), image_);
}
