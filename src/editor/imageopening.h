#pragma once

#include "opencommand.h"

#include <QString>

struct PictureDocument;
class Prompts;

// Opens a common image (PNG, GIF, JPEG, WebP, ...) that the desktop hands over, as Open does a
// Mosaikon file: the save-changes question titled as Open's, then the image in two colours,
// scaled down into 128 x 96 by area and cut at the middle shade; an animated one becomes an
// animation of its first 16 frames. The document then has no file, as after Import from BMP, so
// Save asks for a name. A file Qt cannot read, or too large a picture, is refused with "Данный
// файл не поддерживается." and changes nothing. The caller does what it does after Open.
OpenOutcome openImage(PictureDocument& doc, Prompts& prompts, const QString& path);
