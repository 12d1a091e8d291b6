#pragma once

#include "emslayout.h"
#include "filekind.h"
#include "optiontable.h"
#include "twocolour.h"

#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

// What the command line of mosaikon-convert asks for, checked for form and range. Whether an
// option fits the files named is for the conversion to say.
struct ConvertOptions {
    // Many: each of `inputs` to a file of its own name with the ending of `to`.
    enum class Mode { Convert, Many, Info, List, Help, Version };
    Mode mode = Mode::Convert;
    std::string input;               // "-" for standard input
    std::string output;              // "-" for standard output; empty for --info and --list
    std::vector<std::string> inputs; // Many
    std::optional<FileKind> from;    // the input's kind, else its name's ending tells it
    std::optional<FileKind> to;      // the output's kind, else its name's ending tells it
    std::string outputDir;           // Many: where the outputs go, else beside their inputs
    std::set<std::string> given;     // the long names of the options given

    // Messages.
    std::string number;                 // TP-DA; a leading '+' makes it international
    bool extendedElement = false;       // --element extended: a picture as an Extended Object
    int reference = 1;                  // concatenation reference, 0..255
    std::optional<std::string> text;    // UTF-8
    int position = 0;                   // where in the text the picture stands, in characters
    bool udhLines = false;              // --udh: header and rest of the user data, for gateways
    bool atCommands = false;            // --at: AT+CMGS lines for a modem in PDU mode
    bool nokia = false;                 // Nokia Smart Messaging instead of EMS
    std::optional<std::string> network; // "MCC MNC": a Nokia operator logo
    bool jsonLines = false;             // --json: a JSON object a message, for any gateway

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

// The kinds of the input and the output: --from and --to, else the endings of their names.
FileKind inputKindOf(const ConvertOptions& options);
FileKind outputKindOf(const ConvertOptions& options);

// The options, or what is wrong with them, in one line.
std::variant<ConvertOptions, std::string> parseConvertOptions(int argc, const char* const* argv);

// The usage and every option with its help line, for --help.
std::string convertHelp();

// The options that shape messages (--number, --text, --nokia...), storing into `o`: the
// converter's, and those of every tool that makes messages.
OptionTable messageOptions(ConvertOptions& o);
