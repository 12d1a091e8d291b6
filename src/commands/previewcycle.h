#pragma once

struct PictureDocument;

// The progress bar's value at the end of the preview's cycle: its full scale.
constexpr int kFullProgress = 100;

// What one tick of the preview shows: the frame to draw and the progress bar's value
// (0..kFullProgress).
struct PreviewStep {
    int frame;
    int progress;
};

// Picks the frame the preview shows now, frame ka, and moves ka on to the frame of the next
// tick. A picture always shows frame 1. An animation plays its frames in turn and wraps from the
// last to the first; a ka beyond the count (left by a file with fewer frames, or by the writer,
// which counts frames in it) starts again at 1. The bar shows how far the cycle has come:
// ka x kFullProgress / kK, rounded to the nearest whole value (25, 50, 75, 100 for four frames).
PreviewStep advancePreview(PictureDocument& doc);

// Interval of the preview timer for the document: 100 ms for a picture, zZ x 12 ms for an
// animation (0, a stopped preview, when zZ is 0).
int previewIntervalMs(const PictureDocument& doc);

// Left edge of a picture of the given width centred in the preview's 128 pixels. For an odd
// width the half pixel is dropped, so the picture sits half a pixel left of centre and its
// columns stay on neighbouring pixels.
int previewLeft(int width);

// Top edge of a picture of the given height centred in the preview's 96 pixels, rounded as the
// left edge.
int previewTop(int height);
