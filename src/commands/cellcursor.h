#pragma once

#include "pen.h"

#include <cstdint>

struct PictureDocument;

// The keyboard's cell cursor on the drawing field: the cell that Space sets and Backspace
// clears. It belongs to the window, not to the document: it keeps its place across frames and
// new documents, and stays inside MX x MY.
struct CellCursor {
    int x = 1;
    int y = 1;
};

enum class CursorMove {
    Left,
    Right,
    Up,
    Down,
    FirstColumn,
    LastColumn,
    FirstRow,
    LastRow,
};

// Brings the cursor back inside MX x MY, where a smaller size may have left it.
void keepCursorInside(CellCursor& cursor, const PictureDocument& doc);

// Moves the cursor by one cell or to an edge of the picture, never out of it.
void moveCursor(CellCursor& cursor, const PictureDocument& doc, CursorMove move);

// One stroke of a button on the cursor's cell alone, as a click there: the undo copy, the
// pen, the end of the stroke.
PenMark strokeAtCursor(PictureDocument& doc, const CellCursor& cursor, std::uint8_t button);
