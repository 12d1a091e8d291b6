#pragma once

#include <string>

struct PictureDocument;

// Title after a file was opened or written: the file name less an extension of a dot and three
// characters, as in ".ems" or ".ema". Any other name shows whole: "mypicture", "smile.backup".
std::string shortTitle(const PictureDocument& doc);

// Title after a full redraw of the field: the whole file name.
std::string fullTitle(const PictureDocument& doc);
