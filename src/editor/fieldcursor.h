#pragma once

#include "cellcursor.h"

#include <QString>

#include <optional>

struct PictureDocument;
class QPainter;
class QRect;

// The drawing field's cell cursor as the user meets it: the keys that move it, the outline that
// shows it and the words that tell a screen reader where it stands.

// The cursor's move for a key: the arrows, Home and End, PageUp and PageDown.
std::optional<CursorMove> cursorMoveOf(int key);

// Where the cursor stands and what is there, as "строка 5, столбец 7: закрашена".
QString cursorDescription(const PictureDocument& doc, const CellCursor& cursor);

// Outlines a cell, given in device pixels, in a colour that stands out from set and clear cells
// and from the grid alike. The painter works in device pixels.
void drawCursorOutline(QPainter& painter, const QRect& cell, int lineWidth);
