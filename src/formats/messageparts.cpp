#include "messageparts.h"

#include <map>
#include <tuple>

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

std::vector<JoinedMessage> joinMessageParts(std::vector<MessagePart> parts) {
    using Key = std::tuple<std::vector<std::uint8_t>, bool, int, int>;
    std::map<Key, std::size_t> byKey;
    std::vector<JoinedMessage> joined;
    for (MessagePart& part : parts) {
        const auto concatenation = concatenationOf(part.elements);
        std::size_t index = joined.size();
        if (concatenation) {
            const Key key{part.message.address, concatenation->wide, concatenation->reference,
                          concatenation->total};
            index = byKey.emplace(key, joined.size()).first->second;
        }
        if (index == joined.size()) {
            joined.push_back({part.line, concatenation,
                              std::vector<std::optional<MessagePart>>(
                                  concatenation ? concatenation->total : 1)});
        }
        auto& slot = joined[index].parts[concatenation ? concatenation->sequence - 1 : 0];
        if (!slot) {
            slot = std::move(part);
        }
    }
    return joined;
}
