#pragma once

#include "artwork.h"
#include "convertoptions.h"

// The picture or animation in options.input, by the ending of its name: a Mosaikon file, a
// two-colour BMP, a listing of messages, or any image Qt reads. Throws a Refusal.
Artwork readInput(const ConvertOptions& options);
