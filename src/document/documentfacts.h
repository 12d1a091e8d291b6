#pragma once

struct PictureDocument;

// Header lengths of the two file formats: a picture has its tag, width and height; an animation
// adds the frame count and the delay.
constexpr int kPictureHeaderBytes = 3;
constexpr int kAnimationHeaderBytes = 5;

// Bytes one stored pixel row of the given width takes: the width rounded up to whole bytes.
int rowBytes(int width);

// Length of the file that saving the document writes: a 3-byte header and one frame for a
// picture, a 5-byte header and every frame for an animation.
int fileByteCount(const PictureDocument& doc);
