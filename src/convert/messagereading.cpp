#include "messagereading.h"

#include "editorlimits.h"
#include "messagelisting.h"
#include "refusal.h"

namespace {

MessageListing decodedListing(const std::string& path, const std::vector<std::uint8_t>& listing) {
    auto decoded = decodeMessageListing(listing);
    if (const auto* error = std::get_if<ListingError>(&decoded)) {
        throw Refusal(path + ": " + error->reason);
    }
    auto& contents = std::get<MessageListing>(decoded);
    if (contents.messages.empty()) {
        throw Refusal(path + ": holds no message");
    }
    return std::move(contents);
}

std::string partsOf(const FoundItem& item) {
    if (item.firstPart == item.lastPart) {
        return "part " + std::to_string(item.firstPart);
    }
    return "parts " + std::to_string(item.firstPart) + "-" + std::to_string(item.lastPart);
}

std::string sizeOf(const Artwork& artwork) {
    std::string size = std::to_string(artwork.width) + " x " + std::to_string(artwork.height);
    if (artwork.kind == ArtworkKind::Animation) {
        size += ", " + std::to_string(artwork.frames.size()) + " frames, delay " +
                std::to_string(artwork.zZ);
    }
    return size;
}

// The text on one line: line breaks and other control characters become spaces.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return text;
}

std::string messageLine(const FoundMessage& message) {
    std::string line = "message " + std::to_string(message.number) + ", " +
                       std::to_string(message.parts) + (message.parts == 1 ? " part" : " parts");
    if (message.reference) {
        line += ", reference " + std::to_string(*message.reference);
    }
    return line + (message.text.empty() ? ": no text" : ": text \"" + oneLine(message.text) + "\"");
}

std::string itemLine(const FoundItem& item) {
    std::string line = "message " + std::to_string(item.message) + ", " + partsOf(item) + ": ";
    if (!item.artwork) {
        return line + "other, " + item.element;
    }
    const bool animation = item.artwork->kind == ArtworkKind::Animation;
    return line + (animation ? "animation, " : "picture, ") + item.element + ", " +
           sizeOf(*item.artwork);
}

} // namespace

Artwork readMessageListing(const std::string& path, const std::vector<std::uint8_t>& listing) {
    const MessageListing contents = decodedListing(path, listing);
    for (const FoundItem& item : contents.items) {
        if (!item.artwork) {
            continue;
        }
        const Artwork& artwork = *item.artwork;
        const std::string where =
            path + ": the " + item.element + " in message " + std::to_string(item.message);
        requireEditorSize(artwork, where);
        return artwork;
    }
    throw Refusal(path + ": holds no picture or animation");
}

std::string describeMessageListing(const std::string& path,
                                   const std::vector<std::uint8_t>& listing) {
    const MessageListing contents = decodedListing(path, listing);
    std::string lines;
    for (const FoundMessage& message : contents.messages) {
        lines += messageLine(message) + "\n";
        for (const FoundItem& item : contents.items) {
            if (item.message == message.number) {
                lines += itemLine(item) + "\n";
            }
        }
    }
    return lines;
}
