#pragma once

#include "artwork.h"
#include "convertoptions.h"

#include <cstdint>
#include <vector>

// The bytes of options.output, by its kind (--to, or the ending of its name). Throws a Refusal.
std::vector<std::uint8_t> outputBytes(const Artwork& artwork, const ConvertOptions& options);
