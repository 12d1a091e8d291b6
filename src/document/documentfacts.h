#pragma once

#include <string>

struct PictureDocument;

// Interval of the preview timer for the document: 100 ms for a picture, zZ x 12 ms for an
// animation (0, a stopped preview, when zZ is 0).
int previewIntervalMs(const PictureDocument& doc);

// A number as the labels show it: decimal, with one leading blank when it is not negative.
std::string labelNumber(int value);

// Title after a file was opened or written: the file name less its 4-character extension.
std::string shortTitle(const PictureDocument& doc);

// Title after a full redraw of the field: the whole file name.
std::string fullTitle(const PictureDocument& doc);
