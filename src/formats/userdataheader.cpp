#include "userdataheader.h"

std::optional<std::vector<HeaderElement>>
splitUserDataHeader(const std::vector<std::uint8_t>& header) {
    std::vector<HeaderElement> elements;
    std::size_t at = 0;
    while (at < header.size()) {
        if (header.size() - at < 2 || header[at + 1] > header.size() - at - 2) {
            return std::nullopt;
        }
        const auto start = header.begin() + static_cast<std::ptrdiff_t>(at + 2);
        elements.push_back({header[at], std::vector<std::uint8_t>(start, start + header[at + 1])});
        at += 2u + header[at + 1];
    }
    return elements;
}
