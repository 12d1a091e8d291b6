#pragma once

#include "emselements.h"
#include "hexlisting.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// SMS-DELIVER and SMS-SUBMIT TPDUs (3GPP TS 23.040, 9.2.2.1 and 9.2.2.2), as far as a reader of
// pictures needs them: who sent or gets the message, the user data header and the user data.
//   DELIVER: first octet, TP-OA, TP-PID, TP-DCS, TP-SCTS (7), TP-UDL, TP-UD
//   SUBMIT:  first octet, TP-MR, TP-DA, TP-PID, TP-DCS, TP-VP (0, 1 or 7), TP-UDL, TP-UD
// An address is its length in digits, its type and the digits two to an octet. TP-UDL counts
// septets for the 7-bit alphabet and octets otherwise; the header, when TP-UDHI says there is
// one, comes first in TP-UD, and 7-bit text after it starts on the next septet boundary.

struct ReceivedMessage {
    bool submit = false;
    std::vector<std::uint8_t> address; // TP-OA or TP-DA as carried, to tell senders apart
    DataCoding coding = DataCoding::Gsm7;
    std::vector<std::uint8_t> header; // the user data header without its length octet
    std::vector<std::uint8_t> body;   // 8-bit or UCS-2 user data after the header
    std::string text;                 // 7-bit or UCS-2 user data as UTF-8
};

// A TPDU that carries no message, such as a status report.
struct OtherTpdu {
    std::string type; // "SMS-STATUS-REPORT"
};

using ListedReading = std::variant<ReceivedMessage, OtherTpdu, ListingError>;

// A listed line as an SMS-DELIVER or SMS-SUBMIT, or as another TPDU: after an SMSC part or
// without one, as the +CMGL or +CMGR length says, or else as the TPDU's own lengths show.
ListedReading decodeListedTpdu(const ListedTpdu& listed);
