#pragma once

#include <cstdint>
#include <vector>

struct PictureDocument;

// The file Save writes for the document: a picture as .ems (frame 1), an animation as .ema
// (frames 1..kK), read straight from the document's store.
std::vector<std::uint8_t> encode(const PictureDocument& doc);

// Length of that file.
int fileByteCount(const PictureDocument& doc);
