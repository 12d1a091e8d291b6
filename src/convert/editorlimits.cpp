#include "editorlimits.h"

#include "emslayout.h"
#include "refusal.h"

void requireEditorSize(const Artwork& artwork, const std::string& what) {
    if (artwork.width > kMaxArtworkWidth || artwork.height > kMaxArtworkHeight) {
        throw Refusal(what + " is " + std::to_string(artwork.width) + " x " +
                      std::to_string(artwork.height) + "; Mosaikon holds at most " +
                      largestEditorSize());
    }
    if (artwork.frames.size() > static_cast<std::size_t>(kMaxArtworkFrames)) {
        throw Refusal(what + " has " + std::to_string(artwork.frames.size()) +
                      " frames; Mosaikon holds at most " + std::to_string(kMaxArtworkFrames));
    }
}

std::string largestEditorSize() {
    return std::to_string(kMaxArtworkWidth) + " x " + std::to_string(kMaxArtworkHeight);
}
