#include "optiontable.h"

#include <algorithm>
#include <cstdlib>

namespace {

const Option* optionNamed(const OptionTable& table, const std::string& name) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&name](const Option& option) { return option.name == name; });
    return found == table.end() ? nullptr : &*found;
}

const Option* optionLettered(const OptionTable& table, char letter) {
    const auto found = std::find_if(table.begin(), table.end(), [letter](const Option& option) {
        return option.letter != '\0' && option.letter == letter;
    });
    return found == table.end() ? nullptr : &*found;
}

// How an option was written: the option, its name as given ("--scale", "-s") and a value joined
// to it, if any. No option when the table has none of that name.
struct GivenOption {
    const Option* option = nullptr;
    std::string given;
    std::optional<std::string> joinedValue;
};

GivenOption givenOption(const OptionTable& table, const std::string& argument) {
    GivenOption found;
    if (argument[1] == '-') {
        const std::size_t equals = argument.find('=');
        found.given = argument.substr(0, equals);
        found.option = optionNamed(table, found.given.substr(2));
        if (equals != std::string::npos) {
            found.joinedValue = argument.substr(equals + 1);
        }
        return found;
    }
    found.given = argument.substr(0, 2);
    found.option = optionLettered(table, argument[1]);
    if (argument.size() > 2) {
        found.joinedValue = argument.substr(argument[2] == '=' ? 3 : 2);
    }
    return found;
}

// "  -s, --scale=N", or "      --label=TEXT" beside options with a letter; a table without
// letters leaves out their column.
std::string formsOf(const Option& option, bool lettersShown) {
    std::string forms = option.letter != '\0' ? std::string("  -") + option.letter + ", --"
                        : lettersShown        ? std::string("      --")
                                              : std::string("  --");
    forms += option.name;
    if (!option.valueName.empty()) {
        forms += "=" + option.valueName;
    }
    return forms;
}

} // namespace

std::variant<std::vector<std::string>, CommandLineError>
parseCommandLine(const OptionTable& table, const std::vector<std::string>& arguments) {
    std::vector<std::string> names;
    bool optionsEnded = false;
    for (std::size_t next = 0; next < arguments.size();) {
        const std::string& argument = arguments[next++];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            names.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        GivenOption found = givenOption(table, argument);
        if (found.option == nullptr) {
            return CommandLineError{"unknown option " + argument.substr(0, argument.find('='))};
        }
        const bool takesValue = !found.option->valueName.empty();
        if (!takesValue && found.joinedValue) {
            return CommandLineError{found.given + " takes no value"};
        }
        if (takesValue && !found.joinedValue) {
            if (next == arguments.size()) {
                return CommandLineError{found.given + " needs a value"};
            }
            found.joinedValue = arguments[next++];
        }
        if (auto problem = found.option->take(found.joinedValue.value_or(""))) {
            return CommandLineError{found.given + " " + *problem};
        }
    }
    return names;
}

std::string optionLines(const OptionTable& table) {
    const bool lettersShown = std::any_of(
        table.begin(), table.end(), [](const Option& option) { return option.letter != '\0'; });
    std::size_t column = 0;
    for (const Option& option : table) {
        column = std::max(column, formsOf(option, lettersShown).size());
    }
    std::string lines;
    for (const Option& option : table) {
        const std::string forms = formsOf(option, lettersShown);
        lines += forms + std::string(column + 2 - forms.size(), ' ') + option.help + "\n";
    }
    return lines;
}

OptionTake setsFlag(bool& flag) {
    return [&flag](const std::string&) {
        flag = true;
        return std::optional<std::string>();
    };
}

std::optional<int> wholeNumberIn(const std::string& text, int low, int high) {
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

OptionTake takesNumber(int& field, int low, int high) {
    return [&field, low, high](const std::string& text) -> std::optional<std::string> {
        const std::optional<int> value = wholeNumberIn(text, low, high);
        if (!value) {
            return "takes a whole number from " + std::to_string(low) + " to " +
                   std::to_string(high) + ", not \"" + text + "\"";
        }
        field = *value;
        return std::nullopt;
    };
}

Option helpOption(OptionTake take) {
    return {"help", 'h', "", "prints this help and exits", std::move(take)};
}

Option versionOption(OptionTake take) {
    return {"version", 'V', "", "prints the version and exits", std::move(take)};
}
