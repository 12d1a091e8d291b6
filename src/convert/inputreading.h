#pragma once

#include "artwork.h"
#include "convertoptions.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The first `limit` bytes of the file `input`, or of standard input for "-". Throws a Refusal
// that names it and gives the system's reason ("x.ems: cannot be read: Is a directory").
std::vector<std::uint8_t> inputBytes(const std::string& input, std::size_t limit);

// The picture or animation in options.input, by its kind (--from, or the ending of its name): a
// Mosaikon file, a two-colour BMP, a listing of messages, or any image Qt reads. Throws a
// Refusal.
Artwork readInput(const ConvertOptions& options);
