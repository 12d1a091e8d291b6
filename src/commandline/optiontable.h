#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// A tool's command line, read from one table of its options; the same table lists them for
// --help. Each tool builds its table over its own settings: an option's `take` stores the value
// where the tool keeps it.
//
// Forms read: "--name VALUE", "--name=VALUE", "-x VALUE", "-xVALUE", "-x=VALUE", and "--name" or
// "-x" for an option without a value. Options and names mix in any order and are taken in that
// order, so the last of two values wins. A value may start with '-'. After "--" every argument is
// a name, and "-" alone is always one.

// Checks a value and stores it; an option without a value gets "". What is wrong with the value
// is worded to follow the option's name: "takes a whole number from 1 to 16, not \"x\"".
using OptionTake = std::function<std::optional<std::string>(const std::string& value)>;

struct Option {
    std::string name;      // the long name, without its dashes: "scale"
    char letter = '\0';    // the short name, '\0' for none
    std::string valueName; // what --help calls the value ("N"); empty for an option without one
    std::string help;      // one line
    OptionTake take;
};

using OptionTable = std::vector<Option>;

struct CommandLineError {
    // One line, the option as given first: "unknown option --x", "--x needs a value",
    // "--x takes no value", "--scale takes a whole number from 1 to 16, not \"x\"".
    std::string problem;
};

// The arguments after the program's name: the names among them, in their order, once every
// option is taken; or the first thing wrong.
std::variant<std::vector<std::string>, CommandLineError>
parseCommandLine(const OptionTable& table, const std::vector<std::string>& arguments);

// Every option of the table on a line of its own, its forms and then its help, the help lines
// starting in one column: "  -s, --scale=N  each cell as N x N pixels". The column of short
// names shows only when an option has one.
std::string optionLines(const OptionTable& table);

// A `take` for an option without a value that sets `flag`.
OptionTake setsFlag(bool& flag);

// A whole decimal number from `low` to `high`: digits alone, at most six of them.
std::optional<int> wholeNumberIn(const std::string& text, int low, int high);

// A `take` that stores such a number in `field`.
OptionTake takesNumber(int& field, int low, int high);

// The two entries every tool has: "-h, --help" and "-V, --version".
Option helpOption(OptionTake take);
Option versionOption(OptionTake take);
