#pragma once

#include "smsoptions.h"

// receive: the messages stored in the modem listed, and with --list named on stdout; otherwise
// the first picture or animation among them written to the output whole, and with --delete the
// parts that made it deleted from the modem afterwards. Throws a Refusal.
void receiveFromModem(const SmsOptions& options);
