#pragma once

#include "fieldimage.h"

#include <QFrame>

struct PictureDocument;

// The enlarged picture: the current frame as one rectangle per pixel, drawn on with the mouse.
// The left button sets cells, the right one clears them. The cells live in a backing image at
// the screen's resolution; painting only copies that image out.
class DrawingField : public QFrame {
    Q_OBJECT

public:
    DrawingField(PictureDocument& doc, QWidget* parent = nullptr);

    // Renders every cell of the current frame again.
    void redrawCells();
    void paintCellOn(int x, int y);
    void paintCellOff(int x, int y);

    // Applies the held button at a point of the inner area, in the field's own units.
    void penAt(double x, double y);

    const FieldImage& fieldImage() const { return image_; }

signals:
    // The field changed size: its cells were rendered anew and any stroke ended.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintCell(int x, int y, bool set);
    void fitImage();
    QPointF innerPoint(const QMouseEvent* event) const;

    PictureDocument& doc_;
    FieldImage image_;
};
