#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// A listing of short messages as a modem prints them in PDU mode, or as a file holds them: one
// TPDU in hexadecimal a line, in either case, optionally after its SMSC address. A modem's
// AT+CMGL listing adds the command echo, a "+CMGL: index,status,,length" line before each TPDU
// and a final "OK"; AT+CMGR prints one "+CMGR: status,,length" line and its TPDU. These, blank
// lines and the modem's other result codes and reports ("+CMTI:", "^RSSI:") are passed over.

struct ListedTpdu {
    int line = 0;                    // 1-based, for messages about it
    std::vector<std::uint8_t> bytes; // as listed, SMSC part included when there is one
    std::optional<int> tpduLength;   // from the +CMGL or +CMGR line before it: the TPDU without
                                     // the SMSC part
};

// What is wrong with a message or a part of it, in one line that names neither file nor line.
struct ListingError {
    std::string reason;
};

// Something passed over, in one line that does not name the file: "no TPDU: ...".
struct ListingNote {
    int line = 0;
    std::string what;
};

struct HexListing {
    std::vector<ListedTpdu> tpdus;
    std::vector<ListingNote> notes; // lines that are no hexadecimal, passed over
};

// The octets that hexadecimal digits in either case give, or what is wrong with them.
std::variant<std::vector<std::uint8_t>, std::string> hexOctets(const std::string& digits);

// The line without the blanks and carriage returns at either end.
std::string trimmed(const std::string& line);

// The lines of a text, each trimmed.
std::vector<std::string> trimmedLines(const std::vector<std::uint8_t>& text);

HexListing readHexListing(const std::vector<std::uint8_t>& text);
