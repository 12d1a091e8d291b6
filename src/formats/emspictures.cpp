#include "emspictures.h"

#include "emselements.h"
#include "pixelbits.h"

#include <algorithm>

namespace {

struct Shape {
    int width;
    int height;
    int frames;
};

std::optional<Shape> shapeOf(std::uint8_t id, const std::vector<std::uint8_t>& data) {
    switch (static_cast<ElementId>(id)) {
    case ElementId::LargeAnimation:
        return Shape{kLargeAnimationSide, kLargeAnimationSide, kPredefinedAnimationFrames};
    case ElementId::SmallAnimation:
        return Shape{kSmallAnimationSide, kSmallAnimationSide, kPredefinedAnimationFrames};
    case ElementId::LargePicture:
        return Shape{kLargePictureSide, kLargePictureSide, 1};
    case ElementId::SmallPicture:
        return Shape{kSmallPictureSide, kSmallPictureSide, 1};
    case ElementId::VariablePicture:
        if (data.size() < 3) {
            return std::nullopt;
        }
        return Shape{data[1] * 8, data[2], 1};
    default:
        return std::nullopt;
    }
}

} // namespace

bool isPictureElement(std::uint8_t id) {
    return id >= static_cast<std::uint8_t>(ElementId::LargeAnimation) &&
           id <= static_cast<std::uint8_t>(ElementId::VariablePicture);
}

std::optional<Artwork> decodePictureElement(std::uint8_t id,
                                            const std::vector<std::uint8_t>& data) {
    const auto shape = shapeOf(id, data);
    if (!shape || shape->width == 0 || shape->height == 0) {
        return std::nullopt;
    }
    const std::size_t start = id == static_cast<std::uint8_t>(ElementId::VariablePicture) ? 3 : 1;
    const std::size_t frameOctets = rowFrameOctets(shape->width, shape->height);
    if (data.size() < start + frameOctets * shape->frames) {
        return std::nullopt;
    }
    const bool animation = shape->frames > 1;
    Artwork artwork = blankArtwork(animation ? ArtworkKind::Animation : ArtworkKind::Picture,
                                   shape->width, shape->height, shape->frames);
    artwork.zZ = animation ? kPredefinedAnimationDelay : 0;
    for (int frame = 0; frame < shape->frames; ++frame) {
        drawRowFrame(artwork, frame, data.data() + start + frame * frameOctets);
    }
    return artwork;
}

Artwork sideBySide(const std::vector<Artwork>& strips) {
    int width = 0;
    int height = 0;
    for (const Artwork& strip : strips) {
        width += strip.width;
        height = std::max(height, strip.height);
    }
    Artwork whole = blankArtwork(ArtworkKind::Picture, width, height, 1);
    int left = 0;
    for (const Artwork& strip : strips) {
        for (int y = 0; y < strip.height; ++y) {
            for (int x = 0; x < strip.width; ++x) {
                whole.set(0, left + x, y, strip.isSet(0, x, y));
            }
        }
        left += strip.width;
    }
    return whole;
}
