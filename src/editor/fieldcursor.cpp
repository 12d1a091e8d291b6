#include "fieldcursor.h"

#include "picturedocument.h"

#include <QPainter>

#include <algorithm>

namespace {

// Pure red is as far from white as from dark blue, 4 : 1 both, the most any one colour can be.
constexpr QRgb kOutlineColour = qRgb(255, 0, 0);

struct CursorKey {
    int key;
    CursorMove move;
};

constexpr CursorKey kCursorKeys[] = {
    {Qt::Key_Left, CursorMove::Left},
    {Qt::Key_Right, CursorMove::Right},
    {Qt::Key_Up, CursorMove::Up},
    {Qt::Key_Down, CursorMove::Down},
    {Qt::Key_Home, CursorMove::FirstColumn},
    {Qt::Key_End, CursorMove::LastColumn},
    {Qt::Key_PageUp, CursorMove::FirstRow},
    {Qt::Key_PageDown, CursorMove::LastRow},
};

} // namespace

std::optional<CursorMove> cursorMoveOf(int key) {
    for (const CursorKey& entry : kCursorKeys) {
        if (entry.key == key) {
            return entry.move;
        }
    }
    return std::nullopt;
}

QString cursorDescription(const PictureDocument& doc, const CellCursor& cursor) {
    const bool set = isSet(doc.pixels[doc.k][cursor.x][cursor.y]);
    return QStringLiteral("строка %1, столбец %2: %3")
        .arg(cursor.y)
        .arg(cursor.x)
        .arg(set ? QStringLiteral("закрашена") : QStringLiteral("пусто"));
}

void drawCursorOutline(QPainter& painter, const QRect& cell, int lineWidth) {
    const int across = std::min({lineWidth, cell.width(), cell.height()});
    const QRect inner = cell.adjusted(across, across, -across, -across);
    painter.save();
    painter.setClipRegion(QRegion(cell).subtracted(QRegion(inner)));
    painter.fillRect(cell, QColor(kOutlineColour));
    painter.restore();
}
