#include "storedmessages.h"

#include "messagereading.h"
#include "refusal.h"
#include "smstpdu.h"
#include "userdataheader.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <tuple>

namespace {

std::optional<std::vector<std::uint8_t>> octetsOf(const std::string& hex) {
    if (hex.size() % 2 != 0 ||
        hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> octets;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        octets.push_back(
            static_cast<std::uint8_t>(std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16)));
    }
    return octets;
}

// "+CMGL: 3,1,,35": 35, the TPDU's length without the SMSC part.
std::optional<int> listedLength(const std::string& listed) {
    const auto comma = listed.rfind(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    const std::string field = listed.substr(comma + 1);
    if (field.empty() || field.find_first_not_of("0123456789 ") != std::string::npos) {
        return std::nullopt;
    }
    return std::atoi(field.c_str());
}

// What the parts of one message share: the sender or recipient, and the concatenation's kind,
// reference and part count. A message in one part has a key of its own.
using PartsKey = std::tuple<std::vector<std::uint8_t>, int, int, int, int>;

PartsKey partsKey(const StoredMessage& stored, int position) {
    const PartsKey single{{}, -1, position, 0, 0};
    const auto bytes = octetsOf(stored.pdu);
    if (!bytes) {
        return single;
    }
    ListedTpdu listed;
    listed.bytes = *bytes;
    listed.tpduLength = listedLength(stored.listed);
    const auto decoded = decodeListedTpdu(listed);
    const auto* message = std::get_if<ReceivedMessage>(&decoded);
    if (message == nullptr) {
        return single;
    }
    const auto elements = decodeUserDataHeader(message->header);
    for (const InformationElement& element : elements.value_or(std::vector<InformationElement>())) {
        const auto& data = element.data;
        if (element.id == ElementId::Concatenated8 && data.size() == 3) {
            return {message->address, 8, data[0], data[1], 0};
        }
        if (element.id == ElementId::Concatenated16 && data.size() == 4) {
            return {message->address, 16, data[0] * 256 + data[1], data[2], 0};
        }
    }
    return single;
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
