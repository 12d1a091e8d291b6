#include "senderchoice.h"

#include "modemsender.h"
#include "refusal.h"

std::unique_ptr<MessageSender> chosenSender(const SmsOptions& options) {
    if (!options.kannel.empty()) {
        throw Refusal(options.kannel + ": sending through Kannel is not built in yet");
    }
    return std::make_unique<ModemSender>(modemSettings(options));
}

ModemSettings modemSettings(const SmsOptions& options) {
    ModemSettings settings;
    settings.device = options.modem;
    settings.baud = options.baud;
    settings.pin = options.pin;
    settings.waitSeconds = options.waitSeconds;
    return settings;
}
