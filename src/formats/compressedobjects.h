#pragma once

#include "extendedobject.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// What decompressing a Compression Control element's stream gives: Extended Objects one after
// another, each its identifier (0x14) and its 7-octet header and data. Senders differ in what
// stands between the identifier and the header: nothing, a length octet, or two length octets
// (most significant first), the length counting header and data. The stream is taken only when
// it parts into whole objects, nothing left over, in exactly one of these ways; a stream that
// parts in two ways could give two different pictures and is refused.

struct DecompressedObject {
    ExtendedObjectHeader header;
    std::vector<std::uint8_t> data;
};

// The objects, or what is wrong with the stream.
std::variant<std::vector<DecompressedObject>, std::string>
splitDecompressedObjects(const std::vector<std::uint8_t>& plain);
