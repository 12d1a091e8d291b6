#include "convertoptions.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

const char kConvertUsage[] =
    "Usage: mosaikon-convert [OPTIONS] INPUT OUTPUT\n"
    "       mosaikon-convert --info INPUT\n"
    "       mosaikon-convert --list INPUT.pdu\n"
    "Converts Mosaikon pictures (.ems) and animations (.ema) to EMS messages (.pdu), PNG, GIF and\n"
    "BMP, and messages and common images back. See mosaikon-convert(1).\n";

namespace {

using Problem = std::optional<std::string>;

// A whole decimal number within [low, high], nothing else.
std::optional<int> numberIn(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int value = std::atoi(text.c_str());
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

Problem setNumber(int& field, const std::string& name, const std::string& text, int low, int high) {
    const auto value = numberIn(text, low, high);
    if (!value) {
        return name + " takes a whole number from " + std::to_string(low) + " to " +
               std::to_string(high) + ", not \"" + text + "\"";
    }
    field = *value;
    return std::nullopt;
}

Problem setPhoneNumber(ConvertOptions& options, const std::string& text) {
    const std::string digits = !text.empty() && text[0] == '+' ? text.substr(1) : text;
    if (digits.empty() || digits.size() > 20 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return "--number takes digits, with a leading + for an international number, not \"" +
               text + "\"";
    }
    options.number = text;
    return std::nullopt;
}

Problem setNetwork(ConvertOptions& options, const std::string& text) {
    const std::size_t space = text.find(' ');
    const bool formed = space == 3 && text.size() >= 6 && text.size() <= 7 &&
                        text.find_first_not_of("0123456789 ") == std::string::npos &&
                        text.find(' ', space + 1) == std::string::npos;
    if (!formed) {
        return "--network takes the country and network codes as \"MCC MNC\", such as \"250 01\", "
               "not \"" +
               text + "\"";
    }
    options.network = text;
    return std::nullopt;
}

Problem setSize(ConvertOptions& options, const std::string& text) {
    const std::size_t cross = text.find('x');
    const auto width = numberIn(text.substr(0, cross), 1, 128);
    const auto height =
        cross == std::string::npos ? std::nullopt : numberIn(text.substr(cross + 1), 1, 96);
    if (!width || !height) {
        return "--size takes WIDTHxHEIGHT within 128x96, such as 72x28, not \"" + text + "\"";
    }
    options.fit = true;
    options.fitWidth = *width;
    options.fitHeight = *height;
    return std::nullopt;
}

Problem setElement(ConvertOptions& options, const std::string& text) {
    if (text != "extended" && text != "standard") {
        return "--element takes \"standard\" or \"extended\", not \"" + text + "\"";
    }
    options.extendedElement = text == "extended";
    return std::nullopt;
}

using ValueSetter = std::function<Problem(ConvertOptions&, const std::string&)>;
using FlagSetter = std::function<void(ConvertOptions&)>;

const std::map<std::string, ValueSetter>& valueOptions() {
    static const std::map<std::string, ValueSetter> options = {
        {"--number", setPhoneNumber},
        {"--element", setElement},
        {"--reference",
         [](ConvertOptions& o, const std::string& v) {
             return setNumber(o.reference, "--reference", v, 0, 255);
         }},
        {"--text",
         [](ConvertOptions& o, const std::string& v) {
             o.text = v;
             return Problem();
         }},
        {"--position",
         [](ConvertOptions& o, const std::string& v) {
             return setNumber(o.position, "--position", v, 0, 999999);
         }},
        {"--network", setNetwork},
        {"--frame",
         [](ConvertOptions& o, const std::string& v) {
             return setNumber(o.frame, "--frame", v, 1, 999999);
         }},
        {"--scale", [](ConvertOptions& o,
                       const std::string& v) { return setNumber(o.scale, "--scale", v, 1, 16); }},
        {"--threshold",
         [](ConvertOptions& o, const std::string& v) {
             return setNumber(o.threshold, "--threshold", v, 0, 255);
         }},
        {"--size", setSize},
    };
    return options;
}

const std::map<std::string, FlagSetter>& flagOptions() {
    using Mode = ConvertOptions::Mode;
    static const std::map<std::string, FlagSetter> options = {
        {"--udh", [](ConvertOptions& o) { o.udhLines = true; }},
        {"--at", [](ConvertOptions& o) { o.atCommands = true; }},
        {"--nokia", [](ConvertOptions& o) { o.nokia = true; }},
        {"--all-frames", [](ConvertOptions& o) { o.allFrames = true; }},
        {"--dither", [](ConvertOptions& o) { o.dither = true; }},
        {"--invert", [](ConvertOptions& o) { o.invert = true; }},
        {"--fit", [](ConvertOptions& o) { o.fit = true; }},
        {"--info", [](ConvertOptions& o) { o.mode = Mode::Info; }},
        {"--list", [](ConvertOptions& o) { o.mode = Mode::List; }},
        {"--help", [](ConvertOptions& o) { o.mode = Mode::Help; }},
        {"--version", [](ConvertOptions& o) { o.mode = Mode::Version; }},
    };
    return options;
}

} // namespace

std::variant<ConvertOptions, std::string> parseConvertOptions(int argc, const char* const* argv) {
    ConvertOptions options;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int index = 1; index < argc; ++index) {
        std::string argument = argv[index];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            value = argument.substr(equals + 1);
            argument.resize(equals);
        }
        if (const auto flag = flagOptions().find(argument); flag != flagOptions().end()) {
            if (value) {
                return argument + " takes no value";
            }
            flag->second(options);
            continue;
        }
        const auto setter = valueOptions().find(argument);
        if (setter == valueOptions().end()) {
            return "unknown option " + argument;
        }
        if (!value) {
            if (index + 1 >= argc) {
                return argument + " needs a value";
            }
            value = argv[++index];
        }
        if (Problem problem = setter->second(options, *value)) {
            return *problem;
        }
    }

    using Mode = ConvertOptions::Mode;
    if (options.mode == Mode::Help || options.mode == Mode::Version) {
        return options;
    }
    if (options.udhLines && options.atCommands) {
        return "--udh and --at are two forms of the output; choose one";
    }
    const std::size_t wanted = options.mode == Mode::Convert ? 2 : 1;
    if (files.size() != wanted) {
        return options.mode == Mode::Convert ? "an INPUT and an OUTPUT file are needed"
                                             : "one INPUT file is needed";
    }
    options.input = files[0];
    if (wanted == 2) {
        options.output = files[1];
    }
    return options;
}
