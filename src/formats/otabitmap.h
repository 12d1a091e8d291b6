#pragma once

#include "artwork.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Nokia Smart Messaging, sent as 8-bit data to an application port.
//   OTA bitmap: info field (0), width, height, depth (1), then one bit stream of the pixels
//     from the top left, 1 black, fill bits only at the end.
//   Picture message (port 5514): the version octet '0', then items of an identifier, a 16-bit
//     length and that many octets: 0x00 text in ISO 8859-1, 0x01 text in UCS-2, 0x02 an OTA
//     bitmap; others are passed over.
//   Operator logo (port 5506): the network's code in 3 octets as a SIM holds it (MCC digit 2 and
//     1, MNC digit 3 and MCC digit 3, MNC digit 2 and 1, low nibble first), then the OTA bitmap;
//     some senders put a line feed (0x0A) between the two.

// The picture; nothing when the header is not a one-bit bitmap or the pixels are cut short.
std::optional<Artwork> decodeOtaBitmap(const std::uint8_t* data, std::size_t size);

struct NokiaPicture {
    Artwork picture;
    std::string text; // UTF-8
};

std::optional<NokiaPicture> decodeNokiaPictureMessage(const std::vector<std::uint8_t>& payload);

struct NokiaOperatorLogo {
    Artwork logo;
    std::string network; // "MCC MNC", such as "250 01"
};

std::optional<NokiaOperatorLogo> decodeNokiaOperatorLogo(const std::vector<std::uint8_t>& payload);
