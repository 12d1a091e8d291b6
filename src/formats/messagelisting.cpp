#include "messagelisting.h"

#include "elementreader.h"
#include "messageparts.h"
#include "nokiasmart.h"

#include <algorithm>

namespace {

std::string missingPart(const JoinedMessage& joined) {
    for (std::size_t i = 0; i < joined.parts.size(); ++i) {
        if (!joined.parts[i]) {
            return "lacks part " + std::to_string(i + 1) + " of " +
                   std::to_string(joined.parts.size()) + " (reference " +
                   std::to_string(joined.concatenation->reference) + ")";
        }
    }
    return {};
}

// Reads one whole message into `message` and `items`; a fault names the line of the part at
// fault.
std::optional<ListingNote> readMessage(const JoinedMessage& joined, FoundMessage& message,
                                       std::vector<FoundItem>& items) {
    const std::string missing = missingPart(joined);
    if (!missing.empty()) {
        return ListingNote{joined.line, missing};
    }
    ElementReader reader(message.number, items);
    std::vector<std::uint8_t> payload;
    NokiaPort port = NokiaPort::None;
    bool eightBit = true;
    for (std::size_t i = 0; i < joined.parts.size(); ++i) {
        const MessagePart& part = *joined.parts[i];
        message.text += part.message.text;
        payload.insert(payload.end(), part.message.body.begin(), part.message.body.end());
        eightBit = eightBit && part.message.coding == DataCoding::EightBit;
        if (port == NokiaPort::None) {
            port = nokiaPortOf(part.elements);
        }
        if (auto error = reader.readPart(static_cast<int>(i + 1), part.elements)) {
            return ListingNote{part.line, error->reason};
        }
    }
    if (auto error = reader.finish()) {
        return ListingNote{joined.parts.back()->line, error->reason};
    }
    if (port == NokiaPort::None || !eightBit) {
        return std::nullopt;
    }
    const auto error =
        readNokiaPayload(port, payload, message, static_cast<int>(joined.parts.size()), items);
    if (error) {
        return ListingNote{joined.line, error->reason};
    }
    return std::nullopt;
}

} // namespace

MessageListing readGatheredParts(GatheredParts gathered) {
    MessageListing result;
    result.others = std::move(gathered.others);
    result.notes = std::move(gathered.notes);
    for (const JoinedMessage& joined : joinMessageParts(std::move(gathered.parts))) {
        FoundMessage message;
        message.number = static_cast<int>(result.messages.size() + 1);
        message.line = joined.line;
        message.parts = static_cast<int>(joined.parts.size());
        if (joined.concatenation) {
            message.reference = joined.concatenation->reference;
        }
        const std::size_t itemsBefore = result.items.size();
        if (auto note = readMessage(joined, message, result.items)) {
            result.items.resize(itemsBefore);
            result.notes.push_back(std::move(*note));
            continue;
        }
        result.messages.push_back(std::move(message));
    }
    std::stable_sort(result.notes.begin(), result.notes.end(),
                     [](const ListingNote& a, const ListingNote& b) { return a.line < b.line; });
    return result;
}

MessageListing decodeMessageListing(const std::vector<std::uint8_t>& text) {
    HexListing listed = readHexListing(text);
    GatheredParts gathered;
    gathered.notes = std::move(listed.notes);
    for (const ListedTpdu& tpdu : listed.tpdus) {
        auto decoded = decodeListedTpdu(tpdu);
        if (auto* other = std::get_if<OtherTpdu>(&decoded)) {
            gathered.others.push_back({tpdu.line, other->type});
            continue;
        }
        if (auto* error = std::get_if<ListingError>(&decoded)) {
            gathered.notes.push_back({tpdu.line, error->reason});
            continue;
        }
        ReceivedMessage& message = std::get<ReceivedMessage>(decoded);
        auto elements = decodeUserDataHeader(message.header);
        if (!elements) {
            gathered.notes.push_back({tpdu.line, "the user data header runs past its end"});
            continue;
        }
        gathered.parts.push_back({tpdu.line, std::move(message), std::move(*elements)});
    }
    return readGatheredParts(std::move(gathered));
}
