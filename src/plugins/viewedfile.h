#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// What an image viewer shows of an .ems or .ema file: the frames and how they play. The modules
// read exactly what the editor reads: missing pixel bytes are clear, bytes after the pixel data
// are ignored, and whatever the editor refuses they refuse too.
struct ViewedFile {
    int width = 0;
    int height = 0;
    // Whether the frames play: an animation of two or more frames with a delay. The editor's
    // preview stands still at delay 0, and so does a viewer: it shows frame 1 alone.
    bool animated = false;
    int delayMs = 0;
    int frameCount = 1; // the frames shown: every frame of a playing animation, else frame 1
    // The frames' rows as the file stores them, rowBytes(width) bytes a row, the leftmost pixel
    // in the top bit, a set bit a set pixel; the fill bits after the width are cleared. Toolkits
    // take rows in this form (Qt's one-bit images) or spread them out from it quickly.
    std::vector<std::uint8_t> rows;

    int rowLength() const { return (width + 7) / 8; }
    const std::uint8_t* row(int frame, int y) const {
        return rows.data() + (static_cast<std::size_t>(frame) * height + y) * rowLength();
    }
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
