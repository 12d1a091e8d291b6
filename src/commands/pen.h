#pragma once

#include <cstdint>

struct PictureDocument;

// The pen on the current frame. A stroke begins when a button goes down over the field, touches
// one cell for each point the mouse reports while the button is held, and ends when the button
// is released or the field changes size.

// What a touched cell needs repainted as.
enum class PenMark {
    None,    // no stroke, or the middle button: the cell is as it was
    Set,     // the left button set the cell
    Cleared, // the right button cleared it
};

// Begins a stroke with a button (kLeftButton, kRightButton or kMiddleButton): the current frame
// is saved for undo, then the button is held. A second button pressed during a stroke begins a
// new one, whose undo copy already holds the stroke so far.
void beginStroke(PictureDocument& doc, std::uint8_t button);

// Applies the held button to cell (x, y) of the current frame, 1 <= x <= MX and 1 <= y <= MY.
// Any held button marks the document modified, the middle one too, though it changes no cell.
PenMark penCell(PictureDocument& doc, int x, int y);

// Ends the stroke: no button is held, and later points draw nothing.
void endStroke(PictureDocument& doc);
