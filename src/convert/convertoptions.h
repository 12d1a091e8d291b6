#pragma once

#include "emslayout.h"
#include "optiontable.h"
#include "twocolour.h"

#include <optional>
#include <string>
#include <variant>

// What the command line of mosaikon-convert asks for, checked for form and range. Whether an
// option fits the files named is for the conversion to say.
struct ConvertOptions {
    enum class Mode { Convert, Info, List, Help, Version };
    Mode mode = Mode::Convert;
    std::string input;
    std::string output; // empty for --info and --list

    // Messages.
    std::string number;                 // TP-DA; a leading '+' makes it international
    bool extendedElement = false;       // --element extended: a picture as an Extended Object
    int reference = 1;                  // concatenation reference, 0..255
    std::optional<std::string> text;    // UTF-8
    int position = 0;                   // where in the text the picture stands, in characters
    bool udhLines = false;              // --udh: header and rest of the user data, for gateways
    bool atCommands = false;            // --at: AT+CMGS lines for a modem in PDU mode
    bool jsonLines = false;             // --json: a JSON object a message, for any gateway
    bool nokia = false;                 // Nokia Smart Messaging instead of EMS
    std::optional<std::string> network; // "MCC MNC": a Nokia operator logo

    // Images out.
    int frame = 1; // 1-based
    int scale = 1; // 1..16
    bool allFrames = false;

    // Images in.
    int threshold = CutSettings().threshold; // 0..255: luminance below it is set
    bool dither = false;
    bool invert = false;
    bool fit = false;
    int fitWidth = kMaxArtworkWidth;
    int fitHeight = kMaxArtworkHeight;
};

// The options, or what is wrong with them, in one line.
std::variant<ConvertOptions, std::string> parseConvertOptions(int argc, const char* const* argv);

// The options that shape messages (--number, --text, --nokia...), storing into `o`: the
// converter's, and those of every tool that makes messages.
OptionTable messageOptions(ConvertOptions& o);

// The usage and every option with its help line, for --help.
std::string convertHelp();
