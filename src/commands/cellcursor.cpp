#include "cellcursor.h"

#include "picturedocument.h"

#include <algorithm>

void keepCursorInside(CellCursor& cursor, const PictureDocument& doc) {
    cursor.x = std::clamp(cursor.x, 1, doc.MX);
    cursor.y = std::clamp(cursor.y, 1, doc.MY);
}

void moveCursor(CellCursor& cursor, const PictureDocument& doc, CursorMove move) {
    keepCursorInside(cursor, doc);
    switch (move) {
    case CursorMove::Left:
        --cursor.x;
        break;
    case CursorMove::Right:
        ++cursor.x;
        break;
    case CursorMove::Up:
        --cursor.y;
        break;
    case CursorMove::Down:
        ++cursor.y;
        break;
    case CursorMove::FirstColumn:
        cursor.x = 1;
        break;
    case CursorMove::LastColumn:
        cursor.x = doc.MX;
        break;
    case CursorMove::FirstRow:
        cursor.y = 1;
        break;
    case CursorMove::LastRow:
        cursor.y = doc.MY;
        break;
    }
    keepCursorInside(cursor, doc);
}

PenMark strokeAtCursor(PictureDocument& doc, const CellCursor& cursor, std::uint8_t button) {
    beginStroke(doc, button);
    const PenMark mark = penCell(doc, cursor.x, cursor.y);
    endStroke(doc);
    return mark;
}
