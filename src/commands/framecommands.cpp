#include "framecommands.h"

#include "picturedocument.h"

#include <cassert>
#include <cstdint>

void nextFrame(PictureDocument& doc) {
    doc.k = doc.k >= doc.kK ? 1 : doc.k + 1;
}

void previousFrame(PictureDocument& doc) {
    doc.k = doc.k <= 1 ? doc.kK : doc.k - 1;
}

void setFrameCount(PictureDocument& doc, int count) {
    assert(count >= 1 && count <= kMaxFrames);
    const auto frameCount = static_cast<std::uint8_t>(count);
    if (frameCount != doc.kK)
        doc.IZM = kTrue;
    doc.kK = frameCount;
    if (doc.k > doc.kK)
        doc.k = doc.kK;
    doc.ka = 1;
}
