#include "otabitmap.h"

#include "emselements.h"
#include "pixelbits.h"
#include "utf8.h"

namespace {

constexpr int kOtaHeaderOctets = 4;
constexpr std::uint8_t kOneBitDepth = 1;
constexpr auto kLatin1Text = static_cast<std::uint8_t>(NokiaItem::Latin1Text);
constexpr auto kUcs2Text = static_cast<std::uint8_t>(NokiaItem::Ucs2Text);
constexpr auto kOtaBitmapItem = static_cast<std::uint8_t>(NokiaItem::OtaBitmap);
constexpr int kNetworkCodeOctets = 3;
constexpr std::uint8_t kLineFeed = 0x0A;

std::string digit(int nibble) {
    return nibble <= 9 ? std::string(1, static_cast<char>('0' + nibble)) : std::string();
}

} // namespace

std::optional<Artwork> decodeOtaBitmap(const std::uint8_t* data, std::size_t size) {
    if (size < kOtaHeaderOctets || data[3] != kOneBitDepth || data[1] == 0 || data[2] == 0) {
        return std::nullopt;
    }
    const int width = data[1];
    const int height = data[2];
    if (size - kOtaHeaderOctets < streamFrameOctets(width, height)) {
        return std::nullopt;
    }
    Artwork artwork = blankArtwork(DocumentKind::Picture, width, height, 1);
    drawStreamFrame(artwork, 0, data + kOtaHeaderOctets);
    return artwork;
}

std::optional<NokiaPicture> decodeNokiaPictureMessage(const std::vector<std::uint8_t>& payload) {
    if (payload.empty() || payload[0] != kNokiaPictureVersion) {
        return std::nullopt;
    }
    std::optional<Artwork> picture;
    std::string text;
    std::size_t at = 1;
    while (payload.size() - at >= 3) {
        const std::uint8_t item = payload[at];
        const std::size_t length = static_cast<std::size_t>(payload[at + 1] << 8 | payload[at + 2]);
        at += 3;
        if (length > payload.size() - at) {
            return std::nullopt;
        }
        const std::uint8_t* data = payload.data() + at;
        if (item == kLatin1Text) {
            text += latin1ToUtf8(data, length);
        } else if (item == kUcs2Text) {
            text += ucs2ToUtf8(data, length);
        } else if (item == kOtaBitmapItem && !picture) {
            picture = decodeOtaBitmap(data, length);
            if (!picture) {
                return std::nullopt;
            }
        }
        at += length;
    }
    if (!picture) {
        return std::nullopt;
    }
    return NokiaPicture{std::move(*picture), text};
}

std::optional<NokiaOperatorLogo> decodeNokiaOperatorLogo(const std::vector<std::uint8_t>& payload) {
    if (payload.size() < kNetworkCodeOctets) {
        return std::nullopt;
    }
    std::size_t start = kNetworkCodeOctets;
    if (payload.size() > start + 1 && payload[start] == kLineFeed && payload[start + 1] == 0) {
        ++start;
    }
    auto logo = decodeOtaBitmap(payload.data() + start, payload.size() - start);
    if (!logo) {
        return std::nullopt;
    }
    const std::string network = digit(payload[0] & 0x0F) + digit(payload[0] >> 4) +
                                digit(payload[1] & 0x0F) + " " + digit(payload[2] & 0x0F) +
                                digit(payload[2] >> 4) + digit(payload[1] >> 4);
    return NokiaOperatorLogo{std::move(*logo), network};
}
