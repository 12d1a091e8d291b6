#include "senderchoice.h"

#include "kannelsender.h"
#include "refusal.h"

std::unique_ptr<MessageSender> chosenSender(const SmsOptions& options) {
    if (!options.kannel.empty()) {
        return std::make_unique<KannelSender>(options.kannel, options.messages.number,
                                              options.waitSeconds);
    }
    throw Refusal(options.modem + ": sending through a modem is not built in yet");
}
