#pragma once

#include "cellcursor.h"
#include "fieldimage.h"

#include <QFrame>

struct PictureDocument;

// The enlarged picture: the current frame as one rectangle per pixel, drawn on with the mouse.
// The left button sets cells, the right one clears them; from the keyboard, a cell cursor does
// the same. The cells live in a backing image at the screen's resolution; painting only copies
// that image out, with the cursor's outline over it while the cursor shows.
class DrawingField : public QFrame {
    Q_OBJECT

public:
    DrawingField(PictureDocument& doc, QWidget* parent = nullptr);

    // Renders every cell of the current frame again.
    void redrawCells();
    void paintCellOn(int x, int y);
    void paintCellOff(int x, int y);

    // Maps a point of the inner area, in the field's own units, to its cell, applies the pen
    // there and repaints that cell alone. A point outside the picture does nothing.
    void penAt(double x, double y);

    const FieldImage& fieldImage() const { return image_; }

signals:
    // The field changed size: its cells were rendered anew and any stroke ended.
    void resized();
    // A paint that the field did not ask for by rendering cells itself, as when it is shown or
    // repainted from outside: a paint request, which the window answers with a full redraw.
    void paintRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintCell(int x, int y, bool set);
    void paintMark(int x, int y, PenMark mark);
    void moveCellCursor(CursorMove move, bool drawing);
    void strokeCellCursor(std::uint8_t button);
    void showCursor(bool shown);
    void repaintCursorCell();
    void describeCursor();
    void endKeyStroke();
    QRect logicalArea(const QRect& device) const;
    void repaintOwn(const QRect& area);
    void fitImage();
    QPointF innerPoint(const QMouseEvent* event) const;

    PictureDocument& doc_;
    FieldImage image_;
    QRect ownRepaint_; // what the field itself asked to repaint since its last paint
    CellCursor cursor_;
    bool cursorShown_ = false; // after a cursor key, until a mouse press or the focus leaves
    bool keyStroke_ = false;   // Shift and the arrows draw one stroke until Shift is released
};
