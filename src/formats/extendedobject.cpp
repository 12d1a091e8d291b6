#include "extendedobject.h"

#include "pixelbits.h"

namespace {

constexpr auto kBitmap = static_cast<std::uint8_t>(ExtendedObjectType::BlackAndWhiteBitmap);
constexpr auto kAnimation = static_cast<std::uint8_t>(ExtendedObjectType::BlackAndWhiteAnimation);
constexpr int kBitmapHeaderOctets = 2;
constexpr int kAnimationHeaderOctets = 4;

// Tenths of a second as the editor's delay in units of 12 ms, rounded: 100 / 12 per tenth.
int delayOf(int tenths) {
    return (tenths * 100 + 6) / 12;
}

} // namespace

ExtendedObjectHeader readExtendedObjectHeader(const std::uint8_t* octets) {
    ExtendedObjectHeader header;
    header.reference = octets[0];
    header.length = octets[1] << 8 | octets[2];
    header.control = octets[3];
    header.type = octets[4];
    header.position = octets[5] << 8 | octets[6];
    return header;
}

std::vector<std::uint8_t> writeExtendedObjectHeader(const ExtendedObjectHeader& header) {
    return {header.reference,
            static_cast<std::uint8_t>(header.length >> 8),
            static_cast<std::uint8_t>(header.length),
            header.control,
            header.type,
            static_cast<std::uint8_t>(header.position >> 8),
            static_cast<std::uint8_t>(header.position)};
}

std::string extendedObjectTypeName(std::uint8_t type) {
    static const char* const names[] = {"predefined sound",
                                        "iMelody",
                                        "bitmap",
                                        "2-bit greyscale bitmap",
                                        "6-bit colour bitmap",
                                        "predefined animation",
                                        "bitmap animation",
                                        "2-bit greyscale animation",
                                        "6-bit colour animation",
                                        "vCard",
                                        "vCalendar",
                                        "vector graphics",
                                        "polyphonic melody"};
    if (type < sizeof(names) / sizeof(names[0])) {
        return names[type];
    }
    return "object of type " + std::to_string(type);
}

bool isExtendedObjectArtwork(std::uint8_t type) {
    return type == kBitmap || type == kAnimation;
}

std::optional<Artwork> decodeExtendedObjectArtwork(std::uint8_t type,
                                                   const std::vector<std::uint8_t>& data) {
    const bool animation = type == kAnimation;
    const std::size_t headerOctets = animation ? kAnimationHeaderOctets : kBitmapHeaderOctets;
    if (!isExtendedObjectArtwork(type) || data.size() < headerOctets) {
        return std::nullopt;
    }
    const int width = data[0];
    const int height = data[1];
    const int frames = animation ? data[2] : 1;
    const std::size_t frameOctets = streamFrameOctets(width, height);
    if (width == 0 || height == 0 || frames == 0 ||
        data.size() < headerOctets + frameOctets * frames) {
        return std::nullopt;
    }
    Artwork artwork = blankArtwork(animation ? DocumentKind::Animation : DocumentKind::Picture,
                                   width, height, frames);
    if (animation) {
        artwork.zZ = delayOf((data[3] >> 4) + 1);
    }
    for (int frame = 0; frame < frames; ++frame) {
        drawStreamFrame(artwork, frame, data.data() + headerOctets + frame * frameOctets);
    }
    return artwork;
}
