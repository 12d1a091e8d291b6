#include "senderchoice.h"

#include "kannelsender.h"
#include "modemsender.h"
#include "refusal.h"

std::unique_ptr<MessageSender> chosenSender(const SmsOptions& options) {
    if (!options.kannel.empty()) {
        return std::make_unique<KannelSender>(options.kannel, options.messages.number,
                                              options.waitSeconds);
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
