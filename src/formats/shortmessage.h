#pragma once

#include "smstext.h"
#include "userdataheader.h"

#include <vector>

// One message before it becomes a TPDU: its header elements in order (concatenation first) and
// its part of the text, or of the binary payload (8-bit coding, one octet a "character").
struct ShortMessage {
    std::vector<InformationElement> elements;
    SmsText body;
};
