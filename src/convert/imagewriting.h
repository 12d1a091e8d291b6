#pragma once

#include "artwork.h"
#include "convertoptions.h"

#include <cstdint>
#include <vector>

// The bytes of a two-colour PNG, an animated GIF and a two-colour BMP of the artwork. Each
// throws a Refusal.
std::vector<std::uint8_t> pngFile(const Artwork& artwork, const ConvertOptions& options);
std::vector<std::uint8_t> gifFile(const Artwork& artwork, const ConvertOptions& options);
std::vector<std::uint8_t> bmpFile(const Artwork& artwork, const ConvertOptions& options);
