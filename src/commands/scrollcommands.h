#pragma once

struct PictureDocument;

// Rotate the MX x MY picture of the current frame by one pixel: the row or column that leaves one
// edge comes back at the opposite edge, so nothing is lost. Other frames and the stored cells
// outside MX x MY stay as they are, cells move with their stored values, and no undo copy is
// taken. The line that wraps around passes through the document's lineBuffer. A scroll marks
// the document modified only when it changes a cell (a blank frame, for one, stays as it was);
// the caller redraws the field afterwards.

// Every row moves up one; row 1 becomes row MY.
void scrollUp(PictureDocument& doc);

// Every row moves down one; row MY becomes row 1.
void scrollDown(PictureDocument& doc);

// Every column moves left one; column 1 becomes column MX.
void scrollLeft(PictureDocument& doc);

// Every column moves right one; column MX becomes column 1.
void scrollRight(PictureDocument& doc);
