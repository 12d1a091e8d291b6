#pragma once

#include <string>
#include <variant>
#include <vector>

// What the thumbnailer is asked to do: frame 1 of `input` as a PNG for `size` into `output`
// ("-" for standard output), or its help or version. The names are the bytes given, whatever
// their encoding.
struct ThumbnailRequest {
    enum class Mode { Thumbnail, Help, Version };
    Mode mode = Mode::Thumbnail;
    int size = 0; // 1 up to kLargestThumbnailSize; a larger number given counts as that
    std::string input;
    std::string output;
};

struct UsageError {
    std::string problem; // one line naming the mistake
};

// Reads `-s SIZE INPUT OUTPUT` (the arguments after the program's name). The size may also be
// written `-sSIZE`, `-s=SIZE`, `--size SIZE` or `--size=SIZE`, and stand anywhere; the last one
// given counts. After `--` every argument is a name, and `-` alone is always one.
std::variant<UsageError, ThumbnailRequest>
parseThumbnailRequest(const std::vector<std::string>& arguments);

// The usage and every option with its help line, for --help.
std::string thumbnailerHelp();
