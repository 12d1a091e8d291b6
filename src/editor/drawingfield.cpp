#include "drawingfield.h"

#include "pen.h"
#include "picturedocument.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr int kBorderWidth = 2;

std::uint8_t heldButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return kMiddleButton;
    default:
        return kNoButton;
    }
}

} // namespace

DrawingField::DrawingField(PictureDocument& doc, QWidget* parent) : QFrame(parent), doc_(doc) {
    setObjectName("Pole");
    setAccessibleName(QStringLiteral("Поле рисования"));
    setAccessibleDescription(
        QStringLiteral("Рисунок в увеличенном виде: левая кнопка мыши ставит точку, правая "
                       "стирает. Клавиши 8, 2, 4 и 6 сдвигают рисунок, ! и \" листают кадры."));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingField::redrawCells() {
    image_.renderAll(doc_);
    repaintOwn(rect());
}

void DrawingField::repaintOwn(const QRect& area) {
    // A hidden field is not painted, so the request would outlive its paint.
    if (isVisible()) {
        ownRepaint_ |= area;
    }
    update(area);
}

void DrawingField::paintCellOn(int x, int y) {
    paintCell(x, y, true);
}

void DrawingField::paintCellOff(int x, int y) {
    paintCell(x, y, false);
}

void DrawingField::paintCell(int x, int y, bool set) {
    const QRect device = image_.renderCell(doc_, x, y, set);
    if (device.isEmpty()) {
        return;
    }
    const qreal ratio = image_.image().devicePixelRatio();
    const QRect logical(static_cast<int>(std::floor(device.left() / ratio)),
                        static_cast<int>(std::floor(device.top() / ratio)),
                        static_cast<int>(std::ceil(device.width() / ratio)) + 1,
                        static_cast<int>(std::ceil(device.height() / ratio)) + 1);
    repaintOwn(logical.translated(contentsRect().topLeft()));
}

void DrawingField::penAt(double x, double y) {
    const double cellWidth = static_cast<double>(contentsRect().width()) / doc_.MX;
    const double cellHeight = static_cast<double>(contentsRect().height()) / doc_.MY;
    const double column = std::floor(x / cellWidth) + 1;
    const double row = std::floor(y / cellHeight) + 1;
    // A field of no width makes the cell size 0 and the quotient infinite or undefined.
    if (!(column >= 1 && column <= doc_.MX && row >= 1 && row <= doc_.MY)) {
        return;
    }
    const int cx = static_cast<int>(column);
    const int cy = static_cast<int>(row);
    switch (penCell(doc_, cx, cy)) {
    case PenMark::Set:
        paintCellOn(cx, cy);
        break;
    case PenMark::Cleared:
        paintCellOff(cx, cy);
        break;
    case PenMark::None:
        break;
    }
}

// The pen's own repaints are no paint requests: the title and the labels stay as they are while
// the user draws, and the short title after Open or Save stays until something else repaints.
void DrawingField::paintEvent(QPaintEvent* event) {
    const bool requested = !ownRepaint_.contains(event->rect());
    ownRepaint_ = QRect();
    // Moved to a screen of another resolution: the cells are rendered for the new one.
    if (image_.image().devicePixelRatio() != devicePixelRatio()) {
        fitImage();
        image_.renderAll(doc_);
    }
    if (requested) {
        emit paintRequested();
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_.image());
}

void DrawingField::fitImage() {
    image_.resize(contentsRect().size(), devicePixelRatio());
}

void DrawingField::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitImage();
    redrawCells();
    endStroke(doc_);
    emit resized();
}

QPointF DrawingField::innerPoint(const QMouseEvent* event) const {
    return event->position() - QPointF(contentsRect().topLeft());
}

void DrawingField::mousePressEvent(QMouseEvent* event) {
    const std::uint8_t button = heldButtonOf(event->button());
    if (button == kNoButton) {
        return;
    }
    beginStroke(doc_, button);
    const QPointF point = innerPoint(event);
    penAt(point.x(), point.y());
}

void DrawingField::mouseMoveEvent(QMouseEvent* event) {
    const QPointF point = innerPoint(event);
    penAt(point.x(), point.y());
}

void DrawingField::mouseReleaseEvent(QMouseEvent*) {
    endStroke(doc_);
}

// The field looks the same with and without the focus, so taking it repaints nothing; Qt's
// repaint here would count as a paint request.
void DrawingField::focusInEvent(QFocusEvent*) {}

void DrawingField::focusOutEvent(QFocusEvent*) {}
