#pragma once

struct PictureDocument;

// Stepping between the frames of an animation and setting their number. These assume the
// document is an animation: refusing them for a picture, and telling the user so, is the
// caller's job. The caller redraws the field afterwards.

// Makes the next frame current; after the last comes the first. Not an edit: takes no undo
// copy, leaves the modified flag and the preview's frame counter ka alone.
void nextFrame(PictureDocument& doc);

// Makes the previous frame current; before the first comes the last. Not an edit, as nextFrame.
void previousFrame(PictureDocument& doc);

// Sets the number of frames to count, as the animation-parameters dialog's OK does; a count
// outside 1..16 is brought within it.
// The current frame moves to the new last frame when it lies beyond it, and the preview starts
// again at frame 1. No cell is touched: frames above a lowered count keep their cells and come
// back when the count grows again. The document counts as modified only when the count changed.
void setFrameCount(PictureDocument& doc, int count);
