#include "inputreading.h"
#include "outgoingmessage.h"
#include "receiving.h"
#include "refusal.h"
#include "senderchoice.h"
#include "sending.h"
#include "smsoptions.h"
#include "toolstatus.h"

#include <cstdio>

// mosaikon-sms: a picture or an animation sent as EMS messages through a GSM modem or an SMS
// gateway, and taken back from a modem. Every refusal is one line on stderr and status 1.

namespace {

const char kProgram[] = "mosaikon-sms";

int run(const SmsOptions& options) {
    using Mode = SmsOptions::Mode;
    switch (options.mode) {
    case Mode::Help:
        std::fputs(smsHelp().c_str(), stdout);
        return kExitDone;
    case Mode::Version:
        std::printf("%s %s\n", kProgram, MOSAIKON_VERSION);
        return kExitDone;
    case Mode::Receive:
        receiveFromModem(options);
        return kExitDone;
    case Mode::Send:
        break;
    }
    const auto messages = outgoingMessages(readInput(options.messages), options.messages);
    const auto sender = chosenSender(options);
    sendAll(messages, *sender, options.quiet);
    return kExitDone;
}

} // namespace

int main(int argc, char** argv) {
    setRemarkProgram(kProgram);
    const auto parsed = parseSmsOptions(argc, argv);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        return wrongCommandLine(kProgram, *problem);
    }
    try {
        return run(std::get<SmsOptions>(parsed));
    } catch (const Refusal& refusal) {
        sayOnStderr(kProgram, refusal.what());
        return kExitFailed;
    }
}
