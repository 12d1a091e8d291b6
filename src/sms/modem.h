#pragma once

#include "atchannel.h"
#include "portlock.h"
#include "serialport.h"

#include <optional>
#include <string>

struct ModemSettings {
    std::string device;
    int baud = 115200;
    std::optional<std::string> pin;
    int waitSeconds = 60; // for each answer
};

// A GSM modem on a serial port, held for this program and made ready for messages in PDU mode
// (3GPP TS 27.005): it answers AT, echoes nothing, reports errors by number, has its SIM
// unlocked. Throws a Refusal naming the device when it cannot be made so.
class Modem {
public:
    explicit Modem(const ModemSettings& settings);

    // A command's answer within the wait; a failure in words for a Refusal.
    AtResponse command(const std::string& line);
    std::string failure(const AtResponse& response) const;

    AtChannel& channel() { return channel_; }
    const ModemSettings& settings() const { return settings_; }
    int waitMilliseconds() const { return settings_.waitSeconds * 1000; }

private:
    void awaitAttention();
    // The SIM's state from AT+CPIN?, or nothing when the answer gives none.
    std::optional<std::string> readSimState(AtResponse& answer);
    std::string simState();
    void unlockSim();
    void require(const std::string& line, const std::string& purpose);

    ModemSettings settings_;
    SerialPort port_;
    PortLock lock_;
    AtChannel channel_;
};
