#pragma once

#include "smstpdu.h"
#include "userdataheader.h"

#include <optional>
#include <vector>

// Parts of messages joined into messages by their concatenation elements: parts of one message
// share the sender or recipient, the kind (8- or 16-bit) and value of the reference and the
// part count, and may come in any order.

struct Concatenation {
    bool wide = false;
    int reference = 0;
    int total = 1;
    int sequence = 1;
};

// The concatenation element among a part's elements; one whose part count is 0 or whose part
// number is past the count is none.
std::optional<Concatenation> concatenationOf(const std::vector<InformationElement>& elements);

// One message or part of one as a listing or a backup holds it.
struct MessagePart {
    int line = 0; // where it starts in the file, for notes about it
    ReceivedMessage message;
    std::vector<InformationElement> elements;
};

// A message in the order it first appears: one part when it is not concatenated, otherwise a
// slot for each part it announces, empty when that part is missing. A part that comes twice
// keeps its first copy.
struct JoinedMessage {
    int line = 0; // of the first part that appears
    std::optional<Concatenation> concatenation;
    std::vector<std::optional<MessagePart>> parts;
};

std::vector<JoinedMessage> joinMessageParts(std::vector<MessagePart> parts);
