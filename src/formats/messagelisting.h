#pragma once

#include "artwork.h"
#include "hexlisting.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// Everything a listing of short messages holds: the messages, their parts joined by their
// concatenation elements (8- or 16-bit reference, in any order), and the pictures, animations and
// other objects in them, in the order they come.

struct FoundMessage {
    int number = 0; // 1-based, in the order the messages first appear
    int parts = 1;
    std::optional<int> reference; // of a concatenated message
    std::string text;             // UTF-8
};

struct FoundItem {
    std::string element;            // such as "Variable Picture (IEI 0x12)"
    std::optional<Artwork> artwork; // a picture or an animation; none for other objects
    int message = 0;
    int firstPart = 1;
    int lastPart = 1;
};

struct MessageListing {
    std::vector<FoundMessage> messages;
    std::vector<FoundItem> items;
};

// The listing read whole; an error names the line or the message and part at fault: bad
// hexadecimal, a line that is no TPDU, a missing part, an element cut short.
std::variant<MessageListing, ListingError>
decodeMessageListing(const std::vector<std::uint8_t>& text);
