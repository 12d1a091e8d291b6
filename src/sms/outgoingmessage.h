#pragma once

#include "artwork.h"
#include "convertoptions.h"
#include "shortmessage.h"
#include "smssubmit.h"

#include <cstdint>
#include <string>
#include <vector>

// One message to send, in every form a sender may want it: as the converter shapes it, as the
// SMS-SUBMIT TPDU a modem takes (without the service centre address), and as its user data for
// a gateway that builds the TPDU itself.
struct OutgoingMessage {
    int number = 1; // 1-based, in sending order
    int count = 1;  // of the whole set
    ShortMessage message;
    std::vector<std::uint8_t> tpdu;
    UserData userData; // the header with its length octet first, the rest, TP-UDL
    DataCoding coding = DataCoding::EightBit;
};

// The messages for the artwork, in sending order, exactly as mosaikon-convert writes them into
// a .pdu file with the same options. Throws a Refusal.
std::vector<OutgoingMessage> outgoingMessages(const Artwork& artwork,
                                              const ConvertOptions& options);
