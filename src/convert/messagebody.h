#pragma once

#include "smstext.h"

#include <cstdint>
#include <string>
#include <vector>

// A message's body as a gateway takes it, apart from the header: the units one after another
// (septets, octets, or UCS-2 octets most significant first), and the characters in UTF-8.

std::vector<std::uint8_t> bodyUnits(const SmsText& body);

// The characters of a GSM 7-bit or UCS-2 body; 8-bit data has none.
std::string bodyUtf8(const SmsText& body);

// "gsm7", "8bit" or "ucs2".
const char* codingName(DataCoding coding);
