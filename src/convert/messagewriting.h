#pragma once

#include "artwork.h"
#include "convertoptions.h"
#include "shortmessage.h"

#include <cstdint>
#include <string>
#include <vector>

// Octets as upper-case hexadecimal, as .pdu files and modems carry them.
std::string hexOf(const std::vector<std::uint8_t>& octets);

// The messages for the artwork in sending order, EMS or Nokia Smart Messaging as the options say.
// Throws a Refusal.
std::vector<ShortMessage> shortMessages(const Artwork& artwork, const ConvertOptions& options);

// The .pdu file for the artwork: SMS-SUBMIT TPDUs, or the --udh or --at forms. Throws a Refusal.
std::vector<std::uint8_t> messageFile(const Artwork& artwork, const ConvertOptions& options);

// What --info prints: the elements and the number of messages the artwork needs.
std::string describeMessages(const Artwork& artwork, const ConvertOptions& options);
