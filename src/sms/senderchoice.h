#pragma once

#include "messagesender.h"
#include "modem.h"
#include "smsoptions.h"

#include <memory>

// The sender the options name, ready to take messages: the modem on --modem, the gateway on
// --kannel. Throws a Refusal when it cannot be made ready.
std::unique_ptr<MessageSender> chosenSender(const SmsOptions& options);

// The modem the options name: --modem, --baud, --pin, --wait.
ModemSettings modemSettings(const SmsOptions& options);
