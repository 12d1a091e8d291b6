#include "messagereading.h"

#include "editorlimits.h"
#include "filekind.h"
#include "messagelisting.h"
#include "refusal.h"
#include "smsbackup.h"

#include <algorithm>

namespace {

MessageListing decodedMessages(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (fileKindOf(path) == FileKind::SmsBackup || looksLikeSmsBackup(bytes)) {
        return decodeSmsBackup(bytes);
    }
    return decodeMessageListing(bytes);
}

std::string noteText(const ListingNote& note) {
    return "line " + std::to_string(note.line) + ": " + note.what;
}

// What was passed over, one remark a line, for a file that gave something after all.
void remarkNotes(const std::string& path, const MessageListing& contents) {
    for (const ListingNote& note : contents.notes) {
        remark(path + ": " + noteText(note));
    }
}

// Why the file gives nothing: each line or message passed over, in one line.
std::string whyNothing(const MessageListing& contents, const std::string& nothing) {
    if (contents.notes.empty()) {
        return nothing;
    }
    std::string why = nothing + ": ";
    for (std::size_t i = 0; i < contents.notes.size(); ++i) {
        why += (i > 0 ? "; " : "") + noteText(contents.notes[i]);
    }
    return why;
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
    const MessageListing contents = decodedMessages(path, listing);
    const auto found = std::find_if(contents.items.begin(), contents.items.end(),
                                    [](const FoundItem& item) { return item.artwork.has_value(); });
    if (found == contents.items.end()) {
        const bool nothing = contents.messages.empty() && contents.others.empty();
        throw Refusal(path + ": " +
                      whyNothing(contents, nothing ? "holds no message"
                                                   : "holds no whole picture or animation"));
    }
    requireEditorSize(*found->artwork, path + ": the " + found->element + " in message " +
                                           std::to_string(found->message));
    remarkNotes(path, contents);
    return *found->artwork;
}

std::string describeMessageListing(const std::string& path,
                                   const std::vector<std::uint8_t>& listing) {
    const MessageListing contents = decodedMessages(path, listing);
    if (contents.messages.empty() && contents.others.empty()) {
        throw Refusal(path + ": " + whyNothing(contents, "holds no message"));
    }
    remarkNotes(path, contents);
    // Messages and the other TPDUs in the order of their lines.
    std::vector<std::pair<int, std::string>> entries;
    for (const FoundMessage& message : contents.messages) {
        std::string lines = messageLine(message) + "\n";
        for (const FoundItem& item : contents.items) {
            if (item.message == message.number) {
                lines += itemLine(item) + "\n";
            }
        }
        entries.emplace_back(message.line, lines);
    }
    for (const ListingNote& other : contents.others) {
        entries.emplace_back(other.line, noteText(other) + ", no message\n");
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string lines;
    for (const auto& entry : entries) {
        lines += entry.second;
    }
    return lines;
}
