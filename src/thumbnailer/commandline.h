#pragma once

#include <string>
#include <variant>
#include <vector>

// What the thumbnailer is asked to do: frame 1 of `input` as a PNG for `size` into `output`.
// The names are the bytes given, whatever their encoding.
struct ThumbnailRequest {
    int size = 0; // 1 up to kLargestThumbnailSize; a larger number given counts as that
    std::string input;
    std::string output;
};

struct UsageError {
    std::string problem;
};

// Reads `-s SIZE INPUT OUTPUT` (the arguments after the program's name). The size may also be
// written `-sSIZE`, `-s=SIZE`, `--size SIZE` or `--size=SIZE`, and stand anywhere; the last one
// given counts. After `--` every argument is a name, and `-` alone is always one.
std::variant<UsageError, ThumbnailRequest>
parseThumbnailRequest(const std::vector<std::string>& arguments);
