#pragma once

#include "artwork.h"

#include <cstdint>
#include <string>
#include <vector>

// The messages a modem lists with AT+CMGL in PDU mode: each "+CMGL: index,status,[alpha],length"
// line and the PDU on the line after it.
struct StoredMessage {
    int index = 0;      // where the modem keeps it, for AT+CMGD
    std::string listed; // the +CMGL line
    std::string pdu;    // hexadecimal, SMSC part first, as listed
};

// The listed messages in order; lines before a +CMGL line, or a +CMGL line without a PDU, are
// passed over.
std::vector<StoredMessage> storedMessages(const std::vector<std::string>& lines);

// The messages as the converter reads a listing: each +CMGL line, then its PDU.
std::vector<std::uint8_t> listingOf(const std::vector<StoredMessage>& messages);

// The indexes of the parts that make `artwork`, the first picture or animation the converter
// reads from the whole listing. Messages are taken in the order they first appear, each with
// its parts (same sender or recipient, same concatenation reference and part count), and the
// first whose parts alone read as `artwork` is the one. Empty when none does.
std::vector<int> indexesOf(const Artwork& artwork, const std::vector<StoredMessage>& messages,
                           const std::string& device);
