#pragma once

#include "artwork.h"
#include "emselements.h"
#include "shortmessage.h"
#include "smstext.h"

#include <cstdint>
#include <variant>
#include <vector>

// A picture or an animation, with an optional text, cut into short messages of EMS elements.

// What carries the artwork.
enum class EmsCarrier {
    SmallPicture,          // 16 x 16
    LargePicture,          // 32 x 32
    VariablePicture,       // one element of at most 128 octets of rows
    VariablePictureStrips, // a User Prompt Indicator, then strips of full height, left to right
    SmallAnimation,        // 4 frames of 8 x 8
    LargeAnimation,        // 4 frames of 16 x 16
    ExtendedBitmap,        // an Extended Object, black and white bitmap
    ExtendedAnimation,     // an Extended Object, black and white animation
};

// The standard element for the artwork's size, or an Extended Object when asked for (a
// picture) or when no standard element fits (an animation).
EmsCarrier emsCarrierFor(const Artwork& artwork, bool extendedObject);

struct EmsRequest {
    EmsCarrier carrier = EmsCarrier::SmallPicture;
    SmsText text;      // EightBit with no characters when there is no text
    int position = 0;  // characters of the text before the artwork
    int reference = 1; // concatenation reference, 0..255
};

enum class EmsProblem {
    TooLarge,        // a side or the data is beyond what the element's fields hold
    TooManyMessages, // more than 255 messages
    PositionBeyondText,
};

// The messages in sending order. The concatenation element is in every one of them when there
// are more than one. An element stands at its position in its own message's text, except an
// Extended Object, whose position counts in the whole text.
std::variant<std::vector<ShortMessage>, EmsProblem> emsMessages(const Artwork& artwork,
                                                                const EmsRequest& request);

// The frame time of an animation's control octet: zZ x 12 ms in tenths of a second, rounded,
// kept within 1..16 tenths.
int frameTenths(int zZ);
