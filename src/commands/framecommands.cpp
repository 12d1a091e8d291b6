#include "framecommands.h"

#include "picturedocument.h"

#include <algorithm>
#include <cstdint>

void nextFrame(PictureDocument& doc) {
    doc.k = doc.k >= doc.kK ? 1 : doc.k + 1;
}

void previousFrame(PictureDocument& doc) {
    doc.k = doc.k <= 1 ? doc.kK : doc.k - 1;
}

void setFrameCount(PictureDocument& doc, int count) {
    // No frames at all would leave nothing to show and divide the preview's progress by zero.
    const auto frameCount = static_cast<std::uint8_t>(std::clamp(count, 1, kMaxFrames));
    if (frameCount != doc.kK)
        doc.IZM = kTrue;
    doc.kK = frameCount;
    if (doc.k > doc.kK)
        doc.k = doc.kK;
    doc.ka = 1;
}
