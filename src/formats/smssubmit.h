#pragma once

#include "shortmessage.h"

#include <cstdint>
#include <string>
#include <vector>

// A short message as an SMS-SUBMIT TPDU (3GPP TS 23.040, 9.2.2.2), without the service centre
// address that a modem puts before it. Fixed fields: no reply path, no status report, accept
// duplicates, TP-MR 0 (the phone numbers it), no validity period, TP-PID 0.

// The user data: the header with its length octet first (empty when there are no elements),
// the rest (text septets after the fill bits that bring the header to a septet boundary, or
// octets), and TP-UDL (septets in the 7-bit alphabet, octets otherwise).
struct UserData {
    std::vector<std::uint8_t> header;
    std::vector<std::uint8_t> rest;
    int length = 0;
};

UserData userDataOf(const ShortMessage& message);

// TP-DA from digits, with a leading '+' for an international number; an empty number is an
// address of no digits.
std::vector<std::uint8_t> destinationAddress(const std::string& number);

std::vector<std::uint8_t> submitTpdu(const std::string& number, const ShortMessage& message);
