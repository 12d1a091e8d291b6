#include "convertoptions.h"

#include "convertnames.h"
#include "editorlimits.h"
#include "emslayout.h"
#include "optionfit.h"
#include "optiontable.h"

#include <set>
#include <string>

namespace {

const char kUsage[] =
    "Usage: mosaikon-convert [OPTIONS] INPUT OUTPUT\n"
    "       mosaikon-convert --to KIND [--output-dir DIR] [OPTIONS] INPUT...\n"
    "       mosaikon-convert --info INPUT\n"
    "       mosaikon-convert --list INPUT.pdu\n"
    "Converts Mosaikon pictures (.ems) and animations (.ema) to EMS messages (.pdu, or .jsonl\n"
    "for gateways), PNG, GIF and BMP, and messages and common images back. - as INPUT reads\n"
    "standard input (with --from), as OUTPUT writes standard output (with --to). KIND is ems,\n"
    "ema, pdu, jsonl, png, gif or bmp. See mosaikon-convert(1).\n";

using Problem = std::optional<std::string>;

// The concatenation reference and a shade are one octet each.
constexpr int kLargestOctet = 255;
// A number no picture or text comes near, but still a number.
constexpr int kLargestCount = 999999;
constexpr int kLargestScale = 16;

// TP-DA holds at most 10 octets of digits, two to an octet.
constexpr std::size_t kMostNumberDigits = 20;

bool allDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

Problem takePhoneNumber(ConvertOptions& options, const std::string& text) {
    const std::string digits = !text.empty() && text[0] == '+' ? text.substr(1) : text;
    if (!allDigits(digits)) {
        return "takes digits, with a leading + for an international number, not \"" + text + "\"";
    }
    if (digits.size() > kMostNumberDigits) {
        return "takes at most " + std::to_string(kMostNumberDigits) +
               " digits, with an optional leading +, not \"" + text + "\" (" +
               std::to_string(digits.size()) + " digits)";
    }
    options.number = text;
    return std::nullopt;
}

// A mobile country code names a country of the geographic zones 2 to 7 (ITU-T E.212), or is
// 901, shared by networks that span countries; the other codes are for tests or not given out,
// and no operator logo is sent for them. The network code has 2 or 3 digits.
bool realNetworkCode(const std::string& text) {
    if (text.size() < 6 || text.size() > 7 || text[3] != ' ' || !allDigits(text.substr(0, 3)) ||
        !allDigits(text.substr(4))) {
        return false;
    }
    const int country = std::stoi(text.substr(0, 3));
    return (country >= 200 && country <= 799) || country == 901;
}

Problem takeNetwork(ConvertOptions& options, const std::string& text) {
    if (!realNetworkCode(text)) {
        return "takes \"MCC MNC\": a country code of 3 digits from 200 to 799 or 901, a space, "
               "a network code of 2 or 3 digits, such as \"250 01\", not \"" +
               text + "\"";
    }
    options.network = text;
    return std::nullopt;
}

Problem takeSize(ConvertOptions& options, const std::string& text) {
    const std::size_t cross = text.find('x');
    const auto width = wholeNumberIn(text.substr(0, cross), 1, kMaxArtworkWidth);
    const auto height = cross == std::string::npos
                            ? std::nullopt
                            : wholeNumberIn(text.substr(cross + 1), 1, kMaxArtworkHeight);
    if (!width || !height) {
        return "takes WIDTHxHEIGHT within " + std::to_string(kMaxArtworkWidth) + "x" +
               std::to_string(kMaxArtworkHeight) + ", such as 72x28, not \"" + text + "\"";
    }
    options.fit = true;
    options.fitWidth = *width;
    options.fitHeight = *height;
    return std::nullopt;
}

Problem takeElement(ConvertOptions& options, const std::string& text) {
    if (text != "extended" && text != "standard") {
        return "takes \"standard\" or \"extended\", not \"" + text + "\"";
    }
    options.extendedElement = text == "extended";
    return std::nullopt;
}

Problem takeText(ConvertOptions& options, const std::string& text) {
    options.text = text;
    return std::nullopt;
}

OptionTake takesKind(std::optional<FileKind>& kind) {
    return [&kind](const std::string& text) -> Problem {
        kind = fileKindNamed(text);
        if (!kind) {
            return "takes ems, ema, pdu, smsbackup, jsonl, png, gif or bmp, not \"" + text + "\"";
        }
        return std::nullopt;
    };
}

Problem takeOutputDir(ConvertOptions& options, const std::string& text) {
    if (text.empty()) {
        return std::string("takes a folder, not \"\"");
    }
    options.outputDir = text;
    return std::nullopt;
}

// Each option's `take` also notes that the option was given.
void noteGiven(OptionTable& table, std::set<std::string>& given) {
    for (Option& option : table) {
        option.take = [&given, name = option.name, take = option.take](const std::string& value) {
            given.insert(name);
            return take(value);
        };
    }
}

OptionTake into(ConvertOptions& o, Problem (*take)(ConvertOptions&, const std::string&)) {
    return [&o, take](const std::string& value) { return take(o, value); };
}

// The options of the converter's own, after those that shape messages.
OptionTable convertOnlyOptions(ConvertOptions& o) {
    using Mode = ConvertOptions::Mode;
    const auto mode = [&o](Mode mode) -> OptionTake {
        return [&o, mode](const std::string&) {
            o.mode = mode;
            return Problem();
        };
    };
    const std::string largest = largestEditorSize();
    return {
        {"udh", '\0', "", "for a gateway: user data header, space, the rest", setsFlag(o.udhLines)},
        {"at", '\0', "", "for a modem: each PDU after its AT+CMGS line", setsFlag(o.atCommands)},
        {"json", '\0', "", "for any gateway: each message as a line of JSON",
         setsFlag(o.jsonLines)},
        {"info", '\0', "", "which elements INPUT needs, in how many messages", mode(Mode::Info)},
        {"list", '\0', "", "every message of a listing and its objects", mode(Mode::List)},
        {"frame", '\0', "N", "the frame a PNG or BMP shows, from 1",
         takesNumber(o.frame, 1, kLargestCount)},
        {"scale", '\0', "N", "cells of N x N pixels in a PNG or GIF, 1 to 16",
         takesNumber(o.scale, 1, kLargestScale)},
        {"all-frames", '\0', "", "a PNG of every frame side by side", setsFlag(o.allFrames)},
        {"threshold", '\0', "T", "a pixel darker than T (0 to 255) is set",
         takesNumber(o.threshold, 0, kLargestOctet)},
        {"dither", '\0', "", "error diffusion instead of the plain cut", setsFlag(o.dither)},
        {"invert", '\0', "", "swaps set and clear after the cut", setsFlag(o.invert)},
        {"fit", '\0', "", "scales a larger image down into " + largest, setsFlag(o.fit)},
        {"size", '\0', "WxH", "like --fit, into W x H, at most " + largest, into(o, takeSize)},
        {"from", '\0', "KIND", "the kind of INPUT, for - or a name without its ending",
         takesKind(o.from)},
        {"to", '\0', "KIND", "the kind of OUTPUT; with INPUTs alone, each to its own name",
         takesKind(o.to)},
        {"output-dir", '\0', "DIR", "with --to and INPUTs alone, the folder they go to",
         into(o, takeOutputDir)},
        helpOption(mode(Mode::Help)),
        versionOption(mode(Mode::Version)),
    };
}

// Every option, in the order --help lists them, storing into `o`.
OptionTable optionTable(ConvertOptions& o) {
    OptionTable table = messageOptions(o);
    OptionTable own = convertOnlyOptions(o);
    table.insert(table.end(), own.begin(), own.end());
    return table;
}

} // namespace

std::variant<ConvertOptions, std::string> parseConvertOptions(int argc, const char* const* argv) {
    ConvertOptions options;
    OptionTable table = optionTable(options);
    noteGiven(table, options.given);
    const auto parsed = parseCommandLine(table, {argv + 1, argv + argc});
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        return error->problem;
    }
    using Mode = ConvertOptions::Mode;
    if (options.mode == Mode::Help || options.mode == Mode::Version) {
        return options;
    }
    if (options.udhLines + options.atCommands + options.jsonLines > 1) {
        return "--udh, --at and --json are forms of the output; choose one";
    }
    if (auto problem = placeNames(options, std::get<std::vector<std::string>>(parsed))) {
        return *problem;
    }
    if (auto problem = optionMisfit(options)) {
        return *problem;
    }
    return options;
}

FileKind inputKindOf(const ConvertOptions& options) {
    return options.from.value_or(fileKindOf(options.input));
}

FileKind outputKindOf(const ConvertOptions& options) {
    return options.to.value_or(fileKindOf(options.output));
}

OptionTable messageOptions(ConvertOptions& o) {
    return {
        {"number", '\0', "NUMBER", "the destination, with + for an international one",
         into(o, takePhoneNumber)},
        {"element", '\0', "standard|extended", "standard elements, or one Extended Object",
         into(o, takeElement)},
        {"reference", '\0', "N", "the concatenation reference, 0 to 255",
         takesNumber(o.reference, 0, kLargestOctet)},
        {"text", '\0', "TEXT", "a text (UTF-8) sent with the picture", into(o, takeText)},
        {"position", '\0', "N", "the picture after the first N characters of text",
         takesNumber(o.position, 0, kLargestCount)},
        {"nokia", '\0', "", "Nokia Smart Messaging instead of EMS", setsFlag(o.nokia)},
        {"network", '\0', "\"MCC MNC\"", "with --nokia, an operator logo for the network",
         into(o, takeNetwork)},
    };
}

std::string convertHelp() {
    ConvertOptions unused;
    return std::string(kUsage) + "\nOptions:\n" + optionLines(optionTable(unused));
}
