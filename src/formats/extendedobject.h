#pragma once

#include "artwork.h"
#include "emselements.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The Extended Object (3GPP TS 23.040, 9.2.3.24.10.1.12 and annex E). Its first element holds a
// header of 7 octets, all in one message:
//   octet 1    reference number of the object
//   octets 2-3 length of the object's data (octets 8..n), most significant octet first
//   octet 4    control data (forwarding, user prompt)
//   octet 5    object type
//   octets 6-7 position in the text
// The data may run on in Extended Object elements of the following parts, which then carry data
// alone. Of the types, two are black-and-white pixels:
//   0x02 bitmap: width, height, then one bit stream of the pixels (fill bits only at the end)
//   0x06 animation: width, height, frame count, control octet (bits 7-4: the time a frame is
//        shown, in tenths of a second less one; bits 3-0: repetitions), then the frames, each a
//        bit stream as in the bitmap, each starting on a new octet

struct ExtendedObjectHeader {
    std::uint8_t reference = 0;
    int length = 0;
    std::uint8_t control = 0;
    std::uint8_t type = 0;
    int position = 0;
};

// The header from the first 7 octets of an element that holds at least that many.
ExtendedObjectHeader readExtendedObjectHeader(const std::uint8_t* octets);

// The 7 octets of the header; a length or position above 0xFFFF keeps its low 16 bits.
std::vector<std::uint8_t> writeExtendedObjectHeader(const ExtendedObjectHeader& header);

// The name a listing gives the type ("bitmap", "iMelody", ...).
std::string extendedObjectTypeName(std::uint8_t type);

bool isExtendedObjectArtwork(std::uint8_t type);

// The picture (type 0x02) or animation (0x06) in the object's data; nothing when the data is
// shorter than its sizes ask for or a size is 0. An animation's delay is the frame time in
// units of 12 ms, rounded.
std::optional<Artwork> decodeExtendedObjectArtwork(std::uint8_t type,
                                                   const std::vector<std::uint8_t>& data);
