#pragma once

#include "outgoingmessage.h"

#include <string>

// What became of one message handed to a modem or a gateway.
struct SendOutcome {
    bool sent = false;
    std::string receipt; // when sent: "reference 42", "0: Accepted for delivery"
    std::string failure; // when not: what went wrong, in words
};

// Whatever takes messages one by one: a modem, a gateway. A sender is ready when it exists;
// what stops it from being made is a Refusal.
class MessageSender {
public:
    virtual ~MessageSender() = default;
    virtual SendOutcome send(const OutgoingMessage& message) = 0;
};
