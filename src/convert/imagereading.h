#pragma once

#include "artwork.h"
#include "convertoptions.h"

#include <cstdint>
#include <vector>

// The common image (PNG, GIF, JPEG, BMP, ...) of options.input, in `bytes`, as two colours,
// through Qt's image readers. Throws a Refusal.
Artwork readImage(const std::vector<std::uint8_t>& bytes, const ConvertOptions& options);
