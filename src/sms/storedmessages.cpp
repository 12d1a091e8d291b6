#include "storedmessages.h"

#include "hexlisting.h"
#include "messageparts.h"
#include "messagereading.h"
#include "refusal.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <tuple>

namespace {

// What the parts of one message share: the sender or recipient, and the concatenation's kind,
// reference and part count, as the listing reader joins them. A message in one part has a key
// of its own.
using PartsKey = std::tuple<std::vector<std::uint8_t>, bool, int, int>;

PartsKey partsKey(const StoredMessage& stored, int position) {
    const PartsKey single{{}, false, -1 - position, 0};
    const HexListing listed = readHexListing(listingOf({stored}));
    if (listed.tpdus.size() != 1) {
        return single;
    }
    const auto decoded = decodeListedTpdu(listed.tpdus.front());
    const auto* message = std::get_if<ReceivedMessage>(&decoded);
    if (message == nullptr) {
        return single;
    }
    const auto elements = decodeUserDataHeader(message->header);
    const auto concatenation =
        concatenationOf(elements.value_or(std::vector<InformationElement>()));
    if (!concatenation) {
        return single;
    }
    return {message->address, concatenation->wide, concatenation->reference, concatenation->total};
}

bool sameArtwork(const Artwork& a, const Artwork& b) {
    return a.kind == b.kind && a.width == b.width && a.height == b.height && a.zZ == b.zZ &&
           a.frames == b.frames;
}

} // namespace

std::vector<StoredMessage> storedMessages(const std::vector<std::string>& lines) {
    std::vector<StoredMessage> messages;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.compare(0, 6, "+CMGL:") != 0 || lines[i + 1].compare(0, 6, "+CMGL:") == 0) {
            continue;
        }
        StoredMessage message;
        message.index = std::atoi(line.c_str() + 6);
        message.listed = line;
        message.pdu = lines[++i];
        messages.push_back(std::move(message));
    }
    return messages;
}

std::vector<std::uint8_t> listingOf(const std::vector<StoredMessage>& messages) {
    std::string text;
    for (const StoredMessage& message : messages) {
        text += message.listed + "\n" + message.pdu + "\n";
    }
    return {text.begin(), text.end()};
}

std::vector<int> indexesOf(const Artwork& artwork, const std::vector<StoredMessage>& messages,
                           const std::string& device) {
    std::vector<PartsKey> order;
    std::map<PartsKey, std::vector<StoredMessage>> groups;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const PartsKey key = partsKey(messages[i], static_cast<int>(i));
        if (groups.find(key) == groups.end()) {
            order.push_back(key);
        }
        groups[key].push_back(messages[i]);
    }
    for (const PartsKey& key : order) {
        const std::vector<StoredMessage>& parts = groups[key];
        try {
            if (!sameArtwork(readMessageListing(device, listingOf(parts)), artwork)) {
                continue;
            }
        } catch (const Refusal&) {
            continue;
        }
        std::vector<int> indexes;
        for (const StoredMessage& part : parts) {
            indexes.push_back(part.index);
        }
        return indexes;
    }
    return {};
}
