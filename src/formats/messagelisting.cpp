#include "messagelisting.h"

#include "elementreader.h"
#include "messageparts.h"
#include "nokiasmart.h"

namespace {

std::optional<ListingError> readMessage(const JoinedMessage& joined, FoundMessage& message,
                                        std::vector<FoundItem>& items) {
    for (std::size_t i = 0; i < joined.parts.size(); ++i) {
        if (!joined.parts[i]) {
            return ListingError{"message " + std::to_string(message.number) + " (reference " +
                                std::to_string(*message.reference) + ") lacks part " +
                                std::to_string(i + 1) + " of " +
                                std::to_string(joined.parts.size())};
        }
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
            return error;
        }
    }
    if (auto error = reader.finish()) {
        return error;
    }
    if (port == NokiaPort::None || !eightBit) {
        return std::nullopt;
    }
    return readNokiaPayload(port, payload, message, static_cast<int>(joined.parts.size()), items);
}

} // namespace

std::variant<MessageListing, ListingError>
decodeMessageListing(const std::vector<std::uint8_t>& text) {
    auto listed = readHexListing(text);
    if (auto* error = std::get_if<ListingError>(&listed)) {
        return *error;
    }
    auto joined = joinMessageParts(std::get<std::vector<ListedTpdu>>(listed));
    if (auto* error = std::get_if<ListingError>(&joined)) {
        return *error;
    }
    const auto& messages = std::get<std::vector<JoinedMessage>>(joined);
    MessageListing result;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        FoundMessage message;
        message.number = static_cast<int>(i + 1);
        message.parts = static_cast<int>(messages[i].parts.size());
        if (messages[i].concatenation) {
            message.reference = messages[i].concatenation->reference;
        }
        if (auto error = readMessage(messages[i], message, result.items)) {
            return *error;
        }
        result.messages.push_back(std::move(message));
    }
    return result;
}
