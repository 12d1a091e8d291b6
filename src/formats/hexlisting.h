#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// A listing of short messages as a modem prints them in PDU mode, or as a file holds them: one
// TPDU in hexadecimal a line, in either case, optionally after its SMSC address. A modem's
// AT+CMGL listing adds the command echo, a "+CMGL: index,status,,length" line before each TPDU
// and a final "OK"; these, blank lines and the modem's other result codes and reports ("+CMTI:",
// "^RSSI:") are passed over.

struct ListedTpdu {
    int line = 0;                    // 1-based, for messages about it
    std::vector<std::uint8_t> bytes; // as listed, SMSC part included when there is one
    std::optional<int> tpduLength;   // from the +CMGL line before it: the TPDU without the SMSC
};

// What is wrong with a listing, in one line that does not name the file.
struct ListingError {
    std::string reason;
};

std::variant<std::vector<ListedTpdu>, ListingError>
readHexListing(const std::vector<std::uint8_t>& text);
