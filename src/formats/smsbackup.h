#pragma once

#include "messagelisting.h"

#include <cstdint>
#include <vector>

// gammu's SMS backup, as `gammu backupsms` and python-gammu's SaveSMSBackup write it: an
// INI-like text, one section a message ("[SMSBackup000]"), each holding "Key = value" lines:
//   PDU = Submit, Deliver or Status_Report
//   Number = "+79161234567"   the sender or recipient, quoted
//   UDH = 050003910301        the user data header in hexadecimal, its length octet first
//   Text00 = ..., Text01 = ...the user data after the header in hexadecimal, in lines of 200
//                             digits: the octets for 8bit, UCS-2 for Unicode_No_Compression and
//                             for Default_No_Compression (gammu keeps 7-bit text as UCS-2)
//   Coding = 8bit, Unicode_No_Compression or Default_No_Compression
// Lines starting with ';' are comments (gammu writes the text there too); other keys, lines
// and sections are passed over.

// Whether the text holds a line that opens a backup section.
bool looksLikeSmsBackup(const std::vector<std::uint8_t>& text);

// The messages of the backup, read as a listing is: a section that cannot be read is passed
// over with a note naming the line of its "[SMSBackup...]", a status report named as another
// TPDU.
MessageListing decodeSmsBackup(const std::vector<std::uint8_t>& text);
