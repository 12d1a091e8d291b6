#include "smsoptions.h"

#include "optiontable.h"
#include "serialport.h"

namespace {

const char kUsage[] =
    "Usage: mosaikon-sms send --modem DEVICE [--baud N] [--pin PIN] --number NUMBER [OPTIONS] "
    "INPUT\n"
    "       mosaikon-sms send --kannel URL --number NUMBER [OPTIONS] INPUT\n"
    "       mosaikon-sms receive --modem DEVICE [--baud N] [--pin PIN] [--delete] OUTPUT\n"
    "       mosaikon-sms receive --modem DEVICE --list\n"
    "Sends a picture or an animation as EMS messages through a GSM modem or a Kannel gateway,\n"
    "and takes one back from the messages stored in a modem. See mosaikon-sms(1).\n";

using Problem = std::optional<std::string>;

constexpr int kLongestWait = 600;

Problem takeBaud(SmsOptions& o, const std::string& text) {
    const std::vector<int> speeds = serialSpeeds();
    const auto value = wholeNumberIn(text, 1, speeds.back());
    std::string named;
    for (const int baud : speeds) {
        if (value == baud) {
            o.baud = baud;
            return std::nullopt;
        }
        named += (named.empty()           ? ""
                  : baud == speeds.back() ? " or "
                                          : ", ") +
                 std::to_string(baud);
    }
    return "takes " + named + ", not \"" + text + "\"";
}

Problem takePin(SmsOptions& o, const std::string& text) {
    if (text.size() < 4 || text.size() > 8 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return "takes four to eight digits";
    }
    o.pin = text;
    return std::nullopt;
}

// Every option, in the order --help lists them, storing into `o`.
OptionTable optionTable(SmsOptions& o) {
    using Mode = SmsOptions::Mode;
    const auto into = [&o](Problem (*take)(SmsOptions&, const std::string&)) -> OptionTake {
        return [&o, take](const std::string& value) { return take(o, value); };
    };
    const auto stores = [](std::string& field) -> OptionTake {
        return [&field](const std::string& value) {
            field = value;
            return Problem();
        };
    };
    const auto mode = [&o](Mode mode) -> OptionTake {
        return [&o, mode](const std::string&) {
            o.mode = mode;
            return Problem();
        };
    };
    OptionTable table = {
        {"modem", '\0', "DEVICE", "the modem's serial port, such as /dev/ttyUSB2", stores(o.modem)},
        {"baud", '\0', "N", "the port's speed, 115200 unless given", into(takeBaud)},
        {"pin", '\0', "PIN", "unlocks a SIM that asks for its PIN", into(takePin)},
        {"wait", '\0', "SECONDS", "seconds to wait for each answer, 60 unless given",
         takesNumber(o.waitSeconds, 1, kLongestWait)},
        {"kannel", '\0', "URL", "sends through this Kannel sendsms address instead",
         stores(o.kannel)},
    };
    const OptionTable shaping = messageOptions(o.messages);
    table.insert(table.end(), shaping.begin(), shaping.end());
    const OptionTable own = {
        {"list", '\0', "", "receive: names everything stored instead of writing", setsFlag(o.list)},
        {"delete", '\0', "", "receive: deletes the parts read once OUTPUT is written",
         setsFlag(o.deleteParts)},
        {"quiet", '\0', "", "no line for each message sent", setsFlag(o.quiet)},
        helpOption(mode(Mode::Help)),
        versionOption(mode(Mode::Version)),
    };
    table.insert(table.end(), own.begin(), own.end());
    return table;
}

std::optional<std::string> checkSend(SmsOptions& options, const std::vector<std::string>& names) {
    if (options.modem.empty() == options.kannel.empty()) {
        return "send needs either --modem DEVICE or --kannel URL";
    }
    if (options.messages.number.empty()) {
        return "send needs --number NUMBER";
    }
    if (options.list || options.deleteParts) {
        return "--list and --delete are for receive";
    }
    if (names.size() != 2) {
        return "send needs one INPUT file";
    }
    // Standard input has no name to tell what it holds, and a Mosaikon picture no magic number.
    if (names[1] == "-") {
        return "send reads INPUT from a named file, not from standard input (-)";
    }
    options.messages.input = names[1];
    return std::nullopt;
}

std::optional<std::string> checkReceive(SmsOptions& options,
                                        const std::vector<std::string>& names) {
    if (options.modem.empty() || !options.kannel.empty()) {
        return "receive needs --modem DEVICE";
    }
    if (options.list && options.deleteParts) {
        return "--list writes nothing, so --delete has nothing to follow";
    }
    const std::size_t wanted = options.list ? 1 : 2;
    if (names.size() != wanted) {
        return options.list ? "receive --list takes no OUTPUT" : "receive needs one OUTPUT file";
    }
    if (!options.list) {
        if (names[1] == "-") {
            return "receive writes OUTPUT to a named file, not to standard output (-)";
        }
        options.output = names[1];
    }
    return std::nullopt;
}

} // namespace

std::variant<SmsOptions, std::string> parseSmsOptions(int argc, const char* const* argv) {
    SmsOptions options;
    const auto parsed = parseCommandLine(optionTable(options), {argv + 1, argv + argc});
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        return error->problem;
    }
    using Mode = SmsOptions::Mode;
    if (options.mode == Mode::Help || options.mode == Mode::Version) {
        return options;
    }
    const auto& names = std::get<std::vector<std::string>>(parsed);
    if (names.empty() || (names[0] != "send" && names[0] != "receive")) {
        return "the first word is send or receive";
    }
    options.mode = names[0] == "send" ? Mode::Send : Mode::Receive;
    const auto problem =
        options.mode == Mode::Send ? checkSend(options, names) : checkReceive(options, names);
    if (problem) {
        return *problem;
    }
    return options;
}

std::string smsHelp() {
    SmsOptions unused;
    return std::string(kUsage) + "\nOptions:\n" + optionLines(optionTable(unused));
}
