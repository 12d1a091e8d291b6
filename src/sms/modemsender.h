#pragma once

#include "messagesender.h"
#include "modem.h"

// Messages through a modem, one AT+CMGS each; the receipt is the reference the network gave.
class ModemSender : public MessageSender {
public:
    explicit ModemSender(const ModemSettings& settings) : modem_(settings) {}
    SendOutcome send(const OutgoingMessage& message) override;

private:
    Modem modem_;
};
