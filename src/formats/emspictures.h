#pragma once

#include "artwork.h"

#include <cstdint>
#include <optional>
#include <vector>

// The picture and animation elements of EMS (3GPP TS 23.040, 9.2.3.24.10.1.7 to 9.2.3.24.10.1.9),
// each after its identifier and length octet. The first octet is the position in the text; the
// pixels follow in rows, the leftmost pixel in the top bit, 1 black:
//   0x0E Large Animation: 4 frames of 16 x 16, 32 octets each
//   0x0F Small Animation: 4 frames of 8 x 8, 8 octets each
//   0x10 Large Picture:   32 x 32, 128 octets
//   0x11 Small Picture:   16 x 16, 32 octets
//   0x12 Variable Picture: width in octets, height in pixels, then the rows
// Animations carry no timing; they get the delay of the editor's new animation.

constexpr int kPredefinedAnimationDelay = 16;

bool isPictureElement(std::uint8_t id);

// The picture or animation; nothing when the element is cut short or has no pixels.
std::optional<Artwork> decodePictureElement(std::uint8_t id, const std::vector<std::uint8_t>& data);

// Strips of a User Prompt Indicator side by side, the first leftmost, as tall as the tallest.
Artwork sideBySide(const std::vector<Artwork>& strips);
