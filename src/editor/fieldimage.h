#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

struct PictureDocument;

// The drawing field's picture in device pixels: every cell of the current frame enlarged, with
// the grid lines. Cell edges are whole device pixels, so cells tile the area and the grid lines
// lie on the cell borders: cell x covers the device columns from columnEdge(x - 1) up to, not
// including, columnEdge(x), and with the grid on its first columns and rows are the grid line.
class FieldImage {
public:
    // Sizes the image to the field's inner area; the contents are undefined until renderAll.
    void resize(QSize logicalSize, qreal devicePixelRatio);

    // Renders every cell of frame k of the document.
    void renderAll(const PictureDocument& doc);

    // Renders one cell as set or clear, with its grid line when the grid is on; returns the
    // device rectangle it touched.
    QRect renderCell(const PictureDocument& doc, int x, int y, bool set);

    const QImage& image() const { return image_; }

    // The device rectangle of cell (x, y) as last rendered; empty before the first rendering.
    QRect cellArea(int x, int y) const;

    // Device position of the border before cell number `index` + 1 (0 is the left edge).
    int columnEdge(int index) const { return columnEdges_[index]; }
    int rowEdge(int index) const { return rowEdges_[index]; }
    int gridLineWidth() const { return gridLineWidth_; }

private:
    void layOutCells(const PictureDocument& doc);

    // Everything the cell edges are computed from: the image's size in device pixels (the field's
    // size times the device pixel ratio) and the picture's MX x MY.
    struct CellLayout {
        QSize deviceSize;
        int columns = 0;
        int rows = 0;
        bool operator==(const CellLayout& other) const {
            return deviceSize == other.deviceSize && columns == other.columns && rows == other.rows;
        }
    };

    QImage image_;
    CellLayout laidOut_; // what columnEdges_ and rowEdges_ were computed for
    int gridLineWidth_ = 1;
    std::vector<int> columnEdges_;
    std::vector<int> rowEdges_;
};
