#pragma once

#include "emselements.h"

#include <cstdint>
#include <optional>
#include <vector>

// The user data header (3GPP TS 23.040, 9.2.3.24): its length octet, then information elements,
// each its identifier, its length octet and that many octets.

// Octets an element takes beside its data: its identifier and its length.
constexpr int kElementOverhead = 2;

struct InformationElement {
    ElementId id;                   // any identifier a header holds, known or not
    std::vector<std::uint8_t> data; // without the identifier and length octets
};

// The header with its length octet first; empty when there are no elements.
std::vector<std::uint8_t> encodeUserDataHeader(const std::vector<InformationElement>& elements);

// The elements in order, from a header without its length octet; nothing when one runs past the
// end of the header.
std::optional<std::vector<InformationElement>>
decodeUserDataHeader(const std::vector<std::uint8_t>& header);
