#pragma once

struct PictureDocument;

// The commands of the Options menu. The caller redraws the field afterwards.

// Turns the grid lines of the drawing field on or off.
void toggleGrid(PictureDocument& doc);

// Sets the picture size, as the size dialog's OK does, and marks the document modified even when
// the size stays the same. A width or height beyond the store's capacity (128 x 96) or below 1
// is brought within it. No cell is touched: cells beyond a smaller size stay stored and come
// back when the picture grows again.
void setPictureSize(PictureDocument& doc, int width, int height);
