#pragma once

#include "artwork.h"
#include "hexlisting.h"
#include "messageparts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Everything a listing of short messages or a backup of them holds: the messages, their parts
// joined by their concatenation elements (8- or 16-bit reference, in any order), and the
// pictures, animations and other objects in them, in the order they come. What cannot be read
// is passed over with a note, so that one bad line or message costs only itself.

struct FoundMessage {
    int number = 0; // 1-based, in the order the messages first appear, counting those read
    int line = 0;   // of its first part in the file
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
    std::vector<ListingNote> others; // TPDUs that carry no message: "SMS-STATUS-REPORT"
    std::vector<ListingNote> notes;  // lines and messages passed over, and why
};

// The parts a file holds before they are joined, with what was passed over on the way.
struct GatheredParts {
    std::vector<MessagePart> parts;
    std::vector<ListingNote> others;
    std::vector<ListingNote> notes;
};

// The messages the parts make. A message with a part missing, or an element or a payload it
// cannot read, is passed over with a note naming its first line, or the line of the part at
// fault, and leaves no item behind.
MessageListing readGatheredParts(GatheredParts gathered);

// A listing of TPDUs in hexadecimal, read line by line: a line that is no hexadecimal or no
// TPDU, or whose user data header runs past its end, is passed over with a note.
MessageListing decodeMessageListing(const std::vector<std::uint8_t>& text);
