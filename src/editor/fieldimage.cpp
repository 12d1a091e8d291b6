#include "fieldimage.h"

#include "picturedocument.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr QRgb kSetColour = qRgb(0, 0, 128);
constexpr QRgb kClearColour = qRgb(255, 255, 255);
constexpr QRgb kGridColour = qRgb(192, 192, 192);

// Rounded borders between `count` equal cells over `length` device pixels, count + 1 of them.
std::vector<int> edgesOver(int length, int count) {
    std::vector<int> edges(count + 1);
    for (int index = 0; index <= count; ++index) {
        edges[index] = static_cast<int>(std::lround(static_cast<double>(length) * index / count));
    }
    return edges;
}

QRgb colourOf(Cell cell) {
    return isSet(cell) ? kSetColour : kClearColour;
}

} // namespace

void FieldImage::resize(QSize logicalSize, qreal devicePixelRatio) {
    const QSize deviceSize(std::max(0, qRound(logicalSize.width() * devicePixelRatio)),
                           std::max(0, qRound(logicalSize.height() * devicePixelRatio)));
    if (image_.size() != deviceSize) {
        image_ = QImage(deviceSize, QImage::Format_RGB32);
    }
    image_.setDevicePixelRatio(devicePixelRatio);
    gridLineWidth_ = std::max(1, static_cast<int>(std::lround(devicePixelRatio)));
}

void FieldImage::layOutCells(const PictureDocument& doc) {
    const CellLayout wanted{image_.size(), doc.MX, doc.MY};
    if (laidOut_ == wanted) {
        return;
    }
    columnEdges_ = edgesOver(image_.width(), doc.MX);
    rowEdges_ = edgesOver(image_.height(), doc.MY);
    laidOut_ = wanted;
}

void FieldImage::renderAll(const PictureDocument& doc) {
    layOutCells(doc);
    if (image_.isNull()) {
        return;
    }
    const bool grid = isSet(doc.gridOn);
    const int width = image_.width();
    const auto& frame = doc.pixels[doc.k];
    const auto bytesPerLine = static_cast<std::size_t>(width) * sizeof(QRgb);

    // Every device row of one cell row is the same, apart from the grid line on top: build the
    // first interior row once and copy it down.
    for (int y = 1; y <= doc.MY; ++y) {
        const int top = rowEdges_[y - 1];
        const int bottom = rowEdges_[y];
        if (top == bottom) {
            continue;
        }
        const int lineRows = grid ? std::min(gridLineWidth_, bottom - top) : 0;
        for (int row = top; row < top + lineRows; ++row) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
            std::fill_n(line, width, kGridColour);
        }
        if (top + lineRows == bottom) {
            continue;
        }
        auto* pattern = reinterpret_cast<QRgb*>(image_.scanLine(top + lineRows));
        for (int x = 1; x <= doc.MX; ++x) {
            const int left = columnEdges_[x - 1];
            const int right = columnEdges_[x];
            const int lineColumns = grid ? std::min(gridLineWidth_, right - left) : 0;
            std::fill_n(pattern + left, lineColumns, kGridColour);
            std::fill_n(pattern + left + lineColumns, right - left - lineColumns,
                        colourOf(frame[x][y]));
        }
        for (int row = top + lineRows + 1; row < bottom; ++row) {
            std::memcpy(image_.scanLine(row), pattern, bytesPerLine);
        }
    }
}

QRect FieldImage::cellArea(int x, int y) const {
    if (x >= static_cast<int>(columnEdges_.size()) || y >= static_cast<int>(rowEdges_.size())) {
        return {};
    }
    return {QPoint(columnEdges_[x - 1], rowEdges_[y - 1]),
            QPoint(columnEdges_[x] - 1, rowEdges_[y] - 1)};
}

QRect FieldImage::renderCell(const PictureDocument& doc, int x, int y, bool set) {
    layOutCells(doc);
    const QRect cell = cellArea(x, y);
    if (cell.isEmpty()) {
        return {};
    }
    const bool grid = isSet(doc.gridOn);
    const int lineColumns = grid ? std::min(gridLineWidth_, cell.width()) : 0;
    const int lineRows = grid ? std::min(gridLineWidth_, cell.height()) : 0;
    const QRgb colour = set ? kSetColour : kClearColour;
    for (int row = cell.top(); row <= cell.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row)) + cell.left();
        if (row < cell.top() + lineRows) {
            std::fill_n(line, cell.width(), kGridColour);
            continue;
        }
        std::fill_n(line, lineColumns, kGridColour);
        std::fill_n(line + lineColumns, cell.width() - lineColumns, colour);
    }
    return cell;
}
