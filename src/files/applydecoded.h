#pragma once

struct Artwork;
struct DecodedBmp;
struct DecodedPicture;
struct PictureDocument;

// What the format library decodes, written into the editor's document. The reader has checked
// everything before; each of these changes the document in one step.

// A decoded .ems or .ema file: kind, size, frame count, delay (for an animation), the block of
// cells the file covers, and frame 1 as the current frame. Cells outside the block and frames
// after kK keep what they held.
void applyDecoded(PictureDocument& doc, const DecodedPicture& picture);

// A decoded bitmap into the current frame k, columns 1..storedWidth() and rows 1..height, and its
// size as the document's size (all frames share it). Nothing else changes.
void applyBmp(PictureDocument& doc, const DecodedBmp& bmp);

// The artwork exactly as its .ems or .ema file would open: kind, size, frames, delay, frame 1
// current. It must fit the editor.
void applyArtwork(PictureDocument& doc, const Artwork& artwork);
