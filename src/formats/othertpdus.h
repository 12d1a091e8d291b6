#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The TPDUs a listing may hold beside messages (3GPP TS 23.040, 9.2.2): a modem lists status
// reports among the messages it stores, and a log may hold reports and commands. None of them
// carries a picture; each is told by its TP-MTI and lengths that end exactly where it ends.
//   SMS-STATUS-REPORT (MTI 2): first octet, TP-MR, TP-RA, TP-SCTS (7), TP-DT (7), TP-ST, then
//                              optionally TP-PI and the TP-PID, TP-DCS, TP-UDL and TP-UD it names
//   SMS-COMMAND (MTI 2):       first octet, TP-MR, TP-PID, TP-CT, TP-MN, TP-DA, TP-CDL, TP-CD
//   SMS-SUBMIT-REPORT (MTI 1): first octet, TP-FCS when it reports an error, TP-PI, TP-SCTS (7),
//                              and what TP-PI names

// The name of the TPDU of exactly `size` octets, such as "SMS-STATUS-REPORT", or nothing.
std::optional<std::string> otherTpduName(const std::uint8_t* data, std::size_t size);
