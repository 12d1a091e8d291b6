#pragma once

struct PictureDocument;

// Undo and the program's own one-frame clipboard. Each command takes the whole stored current
// frame (x 1..128, y 1..96), whatever the picture's size, so cells outside the visible picture go
// along with the rest. A command marks the document modified only when it really changes a cell
// of the current frame; the caller redraws the field afterwards.

// Exchanges the current frame with the undo copy, so a second undo re-applies what the first
// one took back.
void undoEdit(PictureDocument& doc);

// Moves the current frame into the clipboard and empties the frame. Takes no undo copy: undo
// after a cut brings back the frame saved by the last stroke, paste or erase.
void cutFrame(PictureDocument& doc);

// Copies the current frame into the clipboard. Changes no cell.
void copyFrame(PictureDocument& doc);

// Saves the current frame for undo, then replaces it with the clipboard (no merging).
void pasteFrame(PictureDocument& doc);

// Saves the current frame for undo, then empties it.
void eraseFrame(PictureDocument& doc);
