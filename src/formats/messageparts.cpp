#include "messageparts.h"

#include <map>
#include <string>
#include <tuple>

namespace {

std::optional<Concatenation> concatenationOf(const std::vector<InformationElement>& elements) {
    for (const InformationElement& element : elements) {
        const bool narrow = element.id == ElementId::Concatenated8 && element.data.size() == 3;
        const bool wide = element.id == ElementId::Concatenated16 && element.data.size() == 4;
        if (!narrow && !wide) {
            continue;
        }
        const auto& d = element.data;
        Concatenation concatenation{wide, wide ? d[0] << 8 | d[1] : d[0], d[wide ? 2 : 1],
                                    d[wide ? 3 : 2]};
        // A count of 0 or a number past it makes the element one to ignore.
        if (concatenation.total == 0 || concatenation.sequence == 0 ||
            concatenation.sequence > concatenation.total) {
            continue;
        }
        return concatenation;
    }
    return std::nullopt;
}

} // namespace

std::variant<std::vector<JoinedMessage>, ListingError>
joinMessageParts(const std::vector<ListedTpdu>& tpdus) {
    using Key = std::tuple<std::vector<std::uint8_t>, bool, int, int>;
    std::map<Key, std::size_t> byKey;
    std::vector<JoinedMessage> joined;
    for (const ListedTpdu& tpdu : tpdus) {
        auto decoded = decodeListedTpdu(tpdu);
        if (auto* error = std::get_if<ListingError>(&decoded)) {
            return *error;
        }
        ReceivedMessage& message = std::get<ReceivedMessage>(decoded);
        auto elements = decodeUserDataHeader(message.header);
        if (!elements) {
            return ListingError{"line " + std::to_string(tpdu.line) +
                                ": the user data header runs past its end"};
        }
        const auto concatenation = concatenationOf(*elements);
        std::size_t index = joined.size();
        if (concatenation) {
            const Key key{message.address, concatenation->wide, concatenation->reference,
                          concatenation->total};
            index = byKey.emplace(key, joined.size()).first->second;
        }
        if (index == joined.size()) {
            joined.push_back({concatenation, std::vector<std::optional<MessagePart>>(
                                                 concatenation ? concatenation->total : 1)});
        }
        auto& slot = joined[index].parts[concatenation ? concatenation->sequence - 1 : 0];
        if (!slot) {
            slot = MessagePart{std::move(message), std::move(*elements)};
        }
    }
    return joined;
}
