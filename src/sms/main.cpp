#include "inputreading.h"
#include "outgoingmessage.h"
#include "receiving.h"
#include "refusal.h"
#include "senderchoice.h"
#include "sending.h"
#include "smsoptions.h"

#include <cstdio>
#include <cstdlib>

// mosaikon-sms: a picture or an animation sent as EMS messages through a GSM modem or an SMS
// gateway, and taken back from a modem. Every refusal is one line on stderr and status 1.

namespace {

constexpr int kWrongCommandLine = 2;

int run(const SmsOptions& options) {
    using Mode = SmsOptions::Mode;
    switch (options.mode) {
    case Mode::Help:
        std::fputs(smsHelp().c_str(), stdout);
        return EXIT_SUCCESS;
    case Mode::Version:
        std::printf("mosaikon-sms %s\n", MOSAIKON_VERSION);
        return EXIT_SUCCESS;
    case Mode::Receive:
        receiveFromModem(options);
        return EXIT_SUCCESS;
    case Mode::Send:
        break;
    }
    const auto messages = outgoingMessages(readInput(options.messages), options.messages);
    const auto sender = chosenSender(options);
    sendAll(messages, *sender, options.quiet);
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char** argv) {
    setRemarkProgram("mosaikon-sms");
    const auto parsed = parseSmsOptions(argc, argv);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "mosaikon-sms: %s\nTry 'mosaikon-sms --help'.\n", problem->c_str());
        return kWrongCommandLine;
    }
    try {
        return run(std::get<SmsOptions>(parsed));
    } catch (const Refusal& refusal) {
        std::fprintf(stderr, "mosaikon-sms: %s\n", refusal.what());
        return EXIT_FAILURE;
    }
}
