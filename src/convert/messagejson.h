#pragma once

#include "shortmessage.h"

#include <string>

// One message as a line of JSON for any gateway: its header, coding, text or data, the TPDU the
// .pdu form writes, and its place among the parts. Ends in a line feed.
//   {"udh":"050003010201","coding":"gsm7","dcs":0,"text":"Hi","tpdu":"41...","part":1,"parts":2}
std::string messageJsonLine(const std::string& number, const ShortMessage& message, int part,
                            int parts);
