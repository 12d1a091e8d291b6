#include "modemsender.h"

#include "hextext.h"

SendOutcome ModemSender::send(const OutgoingMessage& message) {
    const AtResponse answer = modem_.channel().submit(
        static_cast<int>(message.tpdu.size()), hexText(message.tpdu), modem_.waitMilliseconds());
    SendOutcome outcome;
    if (answer.final != AtFinal::Ok) {
        outcome.failure = modem_.failure(answer);
        return outcome;
    }
    outcome.sent = true;
    outcome.receipt = "no reference given";
    for (const std::string& line : answer.lines) {
        if (line.compare(0, 6, "+CMGS:") == 0) {
            const auto first = line.find_first_not_of(' ', 6);
            outcome.receipt = "reference " + line.substr(first == std::string::npos ? 6 : first);
        }
    }
    return outcome;
}
