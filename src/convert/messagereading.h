#pragma once

#include "artwork.h"

#include <cstdint>
#include <string>
#include <vector>

// A listing of messages longer than this is no modem's: 255 parts of 140 octets, as hex, with
// room for the modem's own lines.
constexpr std::size_t kListingReadLimit = 4 * 1024 * 1024;

// The first whole picture or animation in a listing of messages (TPDUs in hex, one a line, as a
// modem's AT+CMGL prints them) or in gammu's SMS backup, told by its name or its sections. What
// was passed over goes to stderr, a line each. Throws a Refusal naming `path` and, when there is
// none, why each candidate was passed over.
Artwork readMessageListing(const std::string& path, const std::vector<std::uint8_t>& listing);

// What --list prints: everything the listing or backup holds, one line each, with the other
// TPDUs in their places.
std::string describeMessageListing(const std::string& path,
                                   const std::vector<std::uint8_t>& listing);
