#include "userdataheader.h"

std::vector<std::uint8_t> encodeUserDataHeader(const std::vector<InformationElement>& elements) {
    std::vector<std::uint8_t> header;
    if (elements.empty()) {
        return header;
    }
    header.push_back(0);
    for (const auto& element : elements) {
        header.push_back(static_cast<std::uint8_t>(element.id));
        header.push_back(static_cast<std::uint8_t>(element.data.size()));
        header.insert(header.end(), element.data.begin(), element.data.end());
    }
    header[0] = static_cast<std::uint8_t>(header.size() - 1);
    return header;
}

std::optional<std::vector<InformationElement>>
decodeUserDataHeader(const std::vector<std::uint8_t>& header) {
    std::vector<InformationElement> elements;
    std::size_t at = 0;
    while (at < header.size()) {
        if (header.size() - at < 2 || header[at + 1] > header.size() - at - 2) {
            return std::nullopt;
        }
        const auto start = header.begin() + static_cast<std::ptrdiff_t>(at + 2);
        elements.push_back({static_cast<ElementId>(header[at]),
                            std::vector<std::uint8_t>(start, start + header[at + 1])});
        at += 2u + header[at + 1];
    }
    return elements;
}
