#pragma once

struct PictureDocument;

// Copies the whole stored current frame into the undo copy, the frame Undo brings back. A pen
// stroke, Paste, Erase and Open take it; Undo exchanges it with the current frame.
void saveUndo(PictureDocument& doc);
