#include "modem.h"

#include "modemerrors.h"
#include "refusal.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

// How long one "AT" waits before the next is sent, while a modem wakes up or finds its speed;
// and between questions to a SIM that is getting ready.
constexpr int kAttentionTryMs = 1000;

} // namespace

Modem::Modem(const ModemSettings& settings)
    : settings_(settings), port_(settings.device), lock_(settings.device, port_.descriptor()),
      channel_(port_) {
    // Only once the port is ours: a port another program holds keeps its speed and its input.
    port_.setRaw(settings.baud);
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

// What the SIM asks for, from "+CPIN: SIM PIN": "READY" when nothing; empty when unreadable.
std::optional<std::string> Modem::readSimState(AtResponse& answer) {
    answer = command("AT+CPIN?");
    for (const std::string& line : answer.lines) {
        if (answer.final == AtFinal::Ok && line.compare(0, 6, "+CPIN:") == 0) {
            const auto first = line.find_first_not_of(' ', 6);
            return first == std::string::npos ? std::string() : line.substr(first);
        }
    }
    return std::nullopt;
}

std::string Modem::simState() {
    AtResponse answer;
    if (const auto state = readSimState(answer)) {
        return *state;
    }
    throw Refusal(settings_.device +
                  ": the SIM's state cannot be read (AT+CPIN?): " + failure(answer));
}

void Modem::unlockSim() {
    const std::string asked = simState();
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
    // A SIM takes a moment to be ready after its PIN, and may answer "SIM busy" meanwhile;
    // messages sent before then are refused.
    AtResponse answer;
    for (int waited = 0; readSimState(answer) != "READY"; waited += kAttentionTryMs) {
        if (waited >= waitMilliseconds()) {
            throw Refusal(settings_.device + ": the SIM took the PIN but is not ready within " +
                          std::to_string(settings_.waitSeconds) + " s");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kAttentionTryMs));
    }
}
