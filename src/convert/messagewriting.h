#pragma once

#include "artwork.h"
#include "convertoptions.h"
#include "shortmessage.h"

#include <cstdint>
#include <string>
#include <vector>

// The short messages for the artwork in sending order, EMS or Nokia as the options say; an
// animation of delay 0 goes as its frame 1, with a remark. Throws a Refusal.
std::vector<ShortMessage> shortMessages(const Artwork& artwork, const ConvertOptions& options);

// The forms a message file takes, one line a message (two for AT commands).
enum class MessageForm {
    Tpdu,          // the SMS-SUBMIT TPDU in hex
    HeaderAndRest, // --udh: the user data header, a space, the rest of the user data
    AtCommands,    // --at: AT+CMGS=<length>, then the PDU after an empty SMSC field
    JsonLines,     // --json: an object a message, for any gateway
};

// The message file for the artwork in the form asked for. Throws a Refusal.
std::vector<std::uint8_t> messageFile(const Artwork& artwork, const ConvertOptions& options,
                                      MessageForm form);

// What --info prints: the elements and the number of messages the artwork needs.
std::string describeMessages(const Artwork& artwork, const ConvertOptions& options);
