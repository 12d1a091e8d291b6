#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The information elements of a user data header, each its identifier, its length octet and
// that many octets (3GPP TS 23.040, 9.2.3.24).
struct HeaderElement {
    std::uint8_t id = 0;
    std::vector<std::uint8_t> data;
};

// The elements in order; nothing when one runs past the end of the header.
std::optional<std::vector<HeaderElement>>
splitUserDataHeader(const std::vector<std::uint8_t>& header);
