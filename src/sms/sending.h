#pragma once

#include "messagesender.h"

#include <vector>

// Hands the messages to the sender in order, with a line on stderr for each one sent unless
// `quiet`. The first that is not sent stops the rest: a Refusal names it, what went wrong, and
// the messages sent before it with their receipts.
void sendAll(const std::vector<OutgoingMessage>& messages, MessageSender& sender, bool quiet);
