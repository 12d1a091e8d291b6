#include "messagelisting.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

bool wellFormed(const Artwork& artwork) {
    const std::size_t cells = static_cast<std::size_t>(artwork.width) * artwork.height;
    const bool animation = artwork.kind == ArtworkKind::Animation;
    if (artwork.width < 1 || artwork.width > 255 * 8 || artwork.height < 1 ||
        artwork.height > 255 || artwork.frames.empty() ||
        (!animation && artwork.frames.size() != 1) ||
        (animation ? artwork.zZ < 1 : artwork.zZ != 0)) {
        return false;
    }
    for (const auto& frame : artwork.frames) {
        if (frame.size() != cells) {
            return false;
        }
        for (const std::uint8_t pixel : frame) {
            if (pixel > 1) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

// Any bytes give a listing or an error, never a crash or a hang. What a listing holds is
// consistent: every item belongs to a message that was read, lies within its parts, and every
// picture or animation has whole frames of its size, one for a picture, with 0 or 1 in each
// pixel and a delay for an animation alone.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto result = decodeMessageListing(bytes);
    const auto* listing = std::get_if<MessageListing>(&result);
    if (listing == nullptr) {
        if (std::get<ListingError>(result).reason.empty()) {
            std::abort();
        }
        return 0;
    }
    for (std::size_t i = 0; i < listing->messages.size(); ++i) {
        const FoundMessage& message = listing->messages[i];
        if (message.number != static_cast<int>(i + 1) || message.parts < 1 || message.parts > 255) {
            std::abort();
        }
    }
    for (const FoundItem& item : listing->items) {
        if (item.message < 1 || item.message > static_cast<int>(listing->messages.size())) {
            std::abort();
        }
        const int parts = listing->messages[item.message - 1].parts;
        if (item.firstPart < 1 || item.firstPart > item.lastPart || item.lastPart > parts ||
            item.element.empty() || (item.artwork && !wellFormed(*item.artwork))) {
            std::abort();
        }
    }
    return 0;
}
