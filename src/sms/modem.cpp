#include "modem.h"

#include "modemerrors.h"
#include "refusal.h"

#include <algorithm>

namespace {

// How long one "AT" waits before the next is sent, while a modem wakes up or finds its speed.
constexpr int kAttentionTryMs = 1000;

} // namespace

Modem::Modem(const ModemSettings& settings)
    : settings_(settings), port_(settings.device, settings.baud),
      lock_(settings.device, port_.descriptor()), channel_(port_) {
    awaitAttention();
    require("ATE0", "turn its echo off");
    // Errors by number where the modem can; one that cannot still says ERROR.
    command("AT+CMEE=1");
    unlockSim();
    require("AT+CMGF=0", "take messages in PDU mode");
}

AtResponse Modem::command(const std::string& line) {
    return channel_.command(line, waitMilliseconds());
}

std::string Modem::failure(const AtResponse& response) const {
    return failureInWords(response, settings_.waitSeconds);
}

void Modem::awaitAttention() {
    const int tryMs = std::min(kAttentionTryMs, waitMilliseconds());
    for (int waited = 0; waited < waitMilliseconds(); waited += tryMs) {
        if (channel_.command("AT", tryMs).final == AtFinal::Ok) {
            return;
        }
    }
    throw Refusal(settings_.device + ": no modem answers AT within " +
                  std::to_string(settings_.waitSeconds) + " s at " +
                  std::to_string(settings_.baud) + " baud");
}

void Modem::require(const std::string& line, const std::string& purpose) {
    const AtResponse response = command(line);
    if (response.final != AtFinal::Ok) {
        throw Refusal(settings_.device + ": the modem did not " + purpose + " (" + line +
                      "): " + failure(response));
    }
}

void Modem::unlockSim() {
    const AtResponse state = command("AT+CPIN?");
    if (state.final != AtFinal::Ok || state.lines.empty()) {
        throw Refusal(settings_.device +
                      ": the SIM's state cannot be read (AT+CPIN?): " + failure(state));
    }
    const std::string& line = state.lines.front();
    const std::string wants = line.substr(std::min(line.size(), line.find(':') + 1));
    const std::string asked = wants.substr(std::min(wants.size(), wants.find_first_not_of(' ')));
    if (asked == "READY") {
        return;
    }
    if (asked != "SIM PIN") {
        throw Refusal(settings_.device + ": the SIM wants " + asked +
                      ", which this program does not give; unlock it in a phone");
    }
    if (!settings_.pin) {
        throw Refusal(settings_.device + ": the SIM asks for its PIN; give it with --pin");
    }
    const AtResponse unlocked = command("AT+CPIN=\"" + *settings_.pin + "\"");
    if (unlocked.final != AtFinal::Ok) {
        throw Refusal(settings_.device + ": the SIM did not take the PIN: " + failure(unlocked));
    }
}
