#pragma once

#include "artwork.h"
#include "convertoptions.h"

// A common image (PNG, GIF, JPEG, BMP, ...) in options.input as two colours, through Qt's image
// readers. Throws a Refusal.
Artwork readImage(const ConvertOptions& options);
