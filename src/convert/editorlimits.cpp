#include "editorlimits.h"

#include "emslayout.h"
#include "refusal.h"

void requireEditorSize(const Artwork& artwork, const std::string& what) {
    if (artwork.width > kMaxWidth || artwork.height > kMaxHeight) {
        throw Refusal(what + " is " + std::to_string(artwork.width) + " x " +
                      std::to_string(artwork.height) + "; Mosaikon holds at most " +
                      largestEditorSize());
    }
    if (artwork.frames.size() > static_cast<std::size_t>(kMaxFrames)) {
        throw Refusal(what + " has " + std::to_string(artwork.frames.size()) +
                      " frames; Mosaikon holds at most " + std::to_string(kMaxFrames));
    }
}

std::string largestEditorSize() {
    return std::to_string(kMaxWidth) + " x " + std::to_string(kMaxHeight);
}
