#pragma once

#include "convertoptions.h"

#include <optional>
#include <string>
#include <variant>

// What the command line of mosaikon-sms asks for, checked for form and range.
struct SmsOptions {
    enum class Mode { Send, Receive, Help, Version };
    Mode mode = Mode::Send;

    // The options that shape messages, as the converter takes them; `input` is the file sent.
    ConvertOptions messages;
    std::string output; // receive: the .ems or .ema written; empty with --list

    std::string modem; // the serial device
    int baud = 115200;
    std::optional<std::string> pin;
    std::string kannel;   // the sendsms URL of a Kannel smsbox
    int waitSeconds = 60; // for each answer of the modem or the gateway
    bool list = false;
    bool deleteParts = false;
    bool quiet = false;
};

// The options, or what is wrong with them, in one line.
std::variant<SmsOptions, std::string> parseSmsOptions(int argc, const char* const* argv);

// The usage and every option with its help line, for --help.
std::string smsHelp();
