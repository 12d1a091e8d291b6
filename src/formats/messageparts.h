#pragma once

#include "hexlisting.h"
#include "smstpdu.h"
#include "userdataheader.h"

#include <optional>
#include <variant>
#include <vector>

// The TPDUs of a listing joined into messages by their concatenation elements: parts of one
// message share the sender or recipient, the kind (8- or 16-bit) and value of the reference and
// the part count, and may come in any order.

struct Concatenation {
    bool wide = false;
    int reference = 0;
    int total = 1;
    int sequence = 1;
};

struct MessagePart {
    ReceivedMessage message;
    std::vector<InformationElement> elements;
};

// A message in the order it first appears: one part when it is not concatenated, otherwise a
// slot for each part it announces, empty when that part is missing. A part that comes twice
// keeps its first copy.
struct JoinedMessage {
    std::optional<Concatenation> concatenation;
    std::vector<std::optional<MessagePart>> parts;
};

// The messages; an error names the line whose TPDU or user data header is bad.
std::variant<std::vector<JoinedMessage>, ListingError>
joinMessageParts(const std::vector<ListedTpdu>& tpdus);
