#include "nokiasmart.h"

#include "bitmappacking.h"
#include "emselements.h"
#include "otabitmap.h"
#include "utf8.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kOtaInfoField = 0x00;
constexpr std::uint8_t kOtaDepth = 0x01;
constexpr int kPortLength = 4; // destination and origin ports

std::uint8_t octet(int value) {
    return static_cast<std::uint8_t>(value);
}

void appendItem(std::vector<std::uint8_t>& message, NokiaItem type,
                const std::vector<std::uint8_t>& item) {
    message.push_back(static_cast<std::uint8_t>(type));
    message.push_back(static_cast<std::uint8_t>(item.size() >> 8));
    message.push_back(static_cast<std::uint8_t>(item.size()));
    message.insert(message.end(), item.begin(), item.end());
}

} // namespace

std::vector<std::uint8_t> otaBitmap(const Artwork& artwork) {
    std::vector<std::uint8_t> bitmap{kOtaInfoField, static_cast<std::uint8_t>(artwork.width),
                                     static_cast<std::uint8_t>(artwork.height), kOtaDepth};
    const auto bits = bitRun(artwork, 0);
    bitmap.insert(bitmap.end(), bits.begin(), bits.end());
    return bitmap;
}

std::vector<std::uint8_t> nokiaPictureMessage(const Artwork& artwork, const std::u32string& text) {
    std::vector<std::uint8_t> message{kNokiaPictureVersion};
    appendItem(message, NokiaItem::OtaBitmap, otaBitmap(artwork));
    if (text.empty()) {
        return message;
    }
    const bool latin1 =
        std::all_of(text.begin(), text.end(), [](char32_t character) { return character < 0x100; });
    std::vector<std::uint8_t> item;
    for (const char32_t character : text) {
        if (latin1) {
            item.push_back(static_cast<std::uint8_t>(character));
        } else {
            appendUtf16(item, character);
        }
    }
    appendItem(message, latin1 ? NokiaItem::Latin1Text : NokiaItem::Ucs2Text, item);
    return message;
}

std::optional<std::array<std::uint8_t, 3>> operatorCode(const std::string& network) {
    const std::size_t space = network.find(' ');
    if (space != 3 || network.size() < 6 || network.size() > 7) {
        return std::nullopt;
    }
    const std::string digits = network.substr(0, 3) + network.substr(4);
    if (digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const auto digit = [&](std::size_t at) { return at < digits.size() ? digits[at] - '0' : 0xF; };
    // MCC1 MCC2 | MCC3 MNC3 | MNC1 MNC2, each pair with its first digit in the low nibble.
    return std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(digit(1) << 4 | digit(0)),
                                       static_cast<std::uint8_t>(digit(5) << 4 | digit(2)),
                                       static_cast<std::uint8_t>(digit(4) << 4 | digit(3))};
}

std::vector<std::uint8_t> operatorLogo(const std::array<std::uint8_t, 3>& code,
                                       const Artwork& artwork) {
    std::vector<std::uint8_t> logo(code.begin(), code.end());
    const auto bitmap = otaBitmap(artwork);
    logo.insert(logo.end(), bitmap.begin(), bitmap.end());
    return logo;
}

std::variant<std::vector<ShortMessage>, EmsProblem>
portMessages(std::uint16_t port, const std::vector<std::uint8_t>& payload, int reference) {
    const std::vector<std::uint8_t> ports{octet(port >> 8), octet(port), 0, 0};
    const int alone = kUserDataOctets - 1 - kElementOverhead - kPortLength;
    const int part = alone - kElementOverhead - kConcatenationLength;
    const int size = static_cast<int>(payload.size());
    const bool concatenated = size > alone;
    const int count = concatenated ? (size + part - 1) / part : 1;
    if (count > kMostMessages) {
        return EmsProblem::TooManyMessages;
    }
    std::vector<ShortMessage> messages(count);
    for (int index = 0; index < count; ++index) {
        ShortMessage& message = messages[index];
        message.elements.push_back({ElementId::ApplicationPort16, ports});
        if (concatenated) {
            message.elements.push_back(
                {ElementId::Concatenated8, {octet(reference), octet(count), octet(index + 1)}});
        }
        const int first = concatenated ? index * part : 0;
        const int last = concatenated ? std::min(size, first + part) : size;
        for (int at = first; at < last; ++at) {
            message.body.characters.push_back({payload[at]});
        }
    }
    return messages;
}

NokiaPort nokiaPortOf(const std::vector<InformationElement>& elements) {
    for (const InformationElement& element : elements) {
        int port = -1;
        if (element.id == ElementId::ApplicationPort16 && element.data.size() == 4) {
            port = element.data[0] << 8 | element.data[1];
        }
        // No 8-bit port holds a Nokia port; the reserved 8-bit ports 130 and 138 are read as
        // the low octets of 5506 and 5514.
        if (element.id == ElementId::ApplicationPort8 && element.data.size() == 2) {
            port = 0x1500 | element.data[0];
        }
        if (port == kNokiaPicturePort) {
            return NokiaPort::Picture;
        }
        if (port == kNokiaOperatorLogoPort) {
            return NokiaPort::Logo;
        }
    }
    return NokiaPort::None;
}

std::optional<ListingError> readNokiaPayload(NokiaPort port,
                                             const std::vector<std::uint8_t>& payload,
                                             FoundMessage& message, int lastPart,
                                             std::vector<FoundItem>& items) {
    if (port == NokiaPort::Picture) {
        auto picture = decodeNokiaPictureMessage(payload);
        if (!picture) {
            return ListingError{"the Nokia picture message is cut short"};
        }
        message.text += picture->text;
        items.push_back({"Nokia picture message (port " + std::to_string(kNokiaPicturePort) + ")",
                         std::move(picture->picture), message.number, 1, lastPart});
        return std::nullopt;
    }
    auto logo = decodeNokiaOperatorLogo(payload);
    if (!logo) {
        return ListingError{"the Nokia operator logo is cut short"};
    }
    items.push_back({"Nokia operator logo for " + logo->network + " (port " +
                         std::to_string(kNokiaOperatorLogoPort) + ")",
                     std::move(logo->logo), message.number, 1, lastPart});
    return std::nullopt;
}
