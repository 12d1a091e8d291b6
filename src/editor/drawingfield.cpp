#include "drawingfield.h"

#include "fieldcursor.h"
#include "pen.h"
#include "picturedocument.h"

#include <QKeyEvent>
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
    describeCursor();
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingField::redrawCells() {
    image_.renderAll(doc_);
    repaintOwn(rect());
    // A command may have changed the size or the cell under the cursor.
    keepCursorInside(cursor_, doc_);
    describeCursor();
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
    repaintOwn(logicalArea(device));
    if (x == cursor_.x && y == cursor_.y) {
        describeCursor();
    }
}

// The widget's area that covers a device rectangle of the image, rounded outwards.
QRect DrawingField::logicalArea(const QRect& device) const {
    const qreal ratio = image_.image().devicePixelRatio();
    const QRect logical(static_cast<int>(std::floor(device.left() / ratio)),
                        static_cast<int>(std::floor(device.top() / ratio)),
                        static_cast<int>(std::ceil(device.width() / ratio)) + 1,
                        static_cast<int>(std::ceil(device.height() / ratio)) + 1);
    return logical.translated(contentsRect().topLeft());
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
    paintMark(cx, cy, penCell(doc_, cx, cy));
}

void DrawingField::paintMark(int x, int y, PenMark mark) {
    switch (mark) {
    case PenMark::Set:
        paintCellOn(x, y);
        break;
    case PenMark::Cleared:
        paintCellOff(x, y);
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
    if (cursorShown_) {
        // In device pixels, so that the outline lies exactly on the cell's own pixels.
        const qreal ratio = image_.image().devicePixelRatio();
        painter.translate(contentsRect().topLeft());
        painter.scale(1 / ratio, 1 / ratio);
        drawCursorOutline(painter, image_.cellArea(cursor_.x, cursor_.y),
                          image_.gridLineWidth() + 1);
    }
}

void DrawingField::fitImage() {
    image_.resize(contentsRect().size(), devicePixelRatio());
}

void DrawingField::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitImage();
    redrawCells();
    endStroke(doc_);
    keyStroke_ = false;
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
    showCursor(false);
    endKeyStroke();
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

// Taking the focus repaints nothing: the cursor shows only after a cursor key, and Qt's repaint
// here would count as a paint request.
void DrawingField::focusInEvent(QFocusEvent*) {}

void DrawingField::focusOutEvent(QFocusEvent*) {
    endKeyStroke();
    showCursor(false);
}

// Space sets the cursor's cell as the left button does, Backspace clears it as the right one
// does. The digits and the frame characters never get here: the window takes them first.
void DrawingField::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<CursorMove> move = cursorMoveOf(event->key())) {
        const bool arrow = *move <= CursorMove::Down;
        moveCellCursor(*move, arrow && event->modifiers().testFlag(Qt::ShiftModifier));
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        strokeCellCursor(kLeftButton);
        return;
    case Qt::Key_Backspace:
        strokeCellCursor(kRightButton);
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

void DrawingField::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Shift) {
        endKeyStroke();
    }
    QFrame::keyReleaseEvent(event);
}

// With Shift an arrow draws as a drag does: the first one begins the stroke and its undo copy,
// and each sets the cell it arrives on.
void DrawingField::moveCellCursor(CursorMove move, bool drawing) {
    repaintCursorCell();
    moveCursor(cursor_, doc_, move);
    cursorShown_ = true;
    repaintCursorCell();
    if (drawing) {
        if (!keyStroke_) {
            beginStroke(doc_, kLeftButton);
            keyStroke_ = true;
        }
        paintMark(cursor_.x, cursor_.y, penCell(doc_, cursor_.x, cursor_.y));
    }
    describeCursor();
}

void DrawingField::strokeCellCursor(std::uint8_t button) {
    endKeyStroke();
    keepCursorInside(cursor_, doc_);
    showCursor(true);
    paintMark(cursor_.x, cursor_.y, strokeAtCursor(doc_, cursor_, button));
}

void DrawingField::endKeyStroke() {
    if (keyStroke_) {
        endStroke(doc_);
        keyStroke_ = false;
    }
}

void DrawingField::showCursor(bool shown) {
    if (cursorShown_ != shown) {
        cursorShown_ = shown;
        repaintCursorCell();
    }
}

void DrawingField::repaintCursorCell() {
    const QRect device = image_.cellArea(cursor_.x, cursor_.y);
    if (!device.isEmpty()) {
        repaintOwn(logicalArea(device));
    }
}

// A screen reader hears the change at once, as the cursor moves and as its cell changes.
void DrawingField::describeCursor() {
    const QString description = cursorDescription(doc_, cursor_);
    if (description == accessibleDescription()) {
        return;
    }
    // Qt sends the change on to a screen reader.
    setAccessibleDescription(description);
}
