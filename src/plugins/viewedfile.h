#pragma once

#include "artwork.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// What an image viewer shows of an .ems or .ema file: the frames and how they play. The modules
// read exactly what the editor reads: missing pixel bytes are clear, bytes after the pixel data
// are ignored, and whatever the editor refuses they refuse too.
struct ViewedFile {
    Artwork artwork;
    // Whether the frames play: an animation of two or more frames with a delay. The editor's
    // preview stands still at delay 0, and so does a viewer: it shows frame 1 alone.
    bool animated = false;
    int delayMs = 0;

    int frameCount() const { return animated ? static_cast<int>(artwork.frames.size()) : 1; }
};

// Why a file was refused, as one sentence for the viewer's error message.
struct ViewRefusal {
    std::string reason;
};

using ViewResult = std::variant<ViewRefusal, ViewedFile>;

// Reads the bytes of a whole file, or its first kLargestFileBytes: nothing after them counts.
ViewResult viewFile(const std::vector<std::uint8_t>& bytes);

// Whether a file that starts with these bytes would be read, judged on its header alone.
bool hasViewableHeader(const std::uint8_t* start, std::size_t size);

// The time one frame of an animation shows: its delay byte counts 12 ms steps.
constexpr int kDelayStepMs = 12;
