#include "standingstill.h"

#include "refusal.h"

Artwork asItStands(const Artwork& artwork, const std::string& input, const std::string& form) {
    if (artwork.kind != ArtworkKind::Animation || artwork.zZ != 0) {
        return artwork;
    }
    remark(input + ": an animation of delay 0 stands still; " + form + " frame 1 alone");
    Artwork still = artwork;
    still.kind = ArtworkKind::Picture;
    still.frames.resize(1);
    return still;
}
