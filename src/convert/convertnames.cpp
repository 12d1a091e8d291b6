#include "convertnames.h"

#include <algorithm>

namespace {

using Mode = ConvertOptions::Mode;

std::optional<std::string> placeOneInput(ConvertOptions& options,
                                         const std::vector<std::string>& names) {
    const std::string option = options.mode == Mode::Info ? "--info" : "--list";
    if (names.empty()) {
        return option + " needs an INPUT";
    }
    if (names.size() > 1) {
        return "too many files: " + option + " takes one INPUT, not " +
               std::to_string(names.size());
    }
    options.input = names[0];
    return std::nullopt;
}

std::optional<std::string> placeInputsOfTo(ConvertOptions& options,
                                           const std::vector<std::string>& names) {
    const bool toStandardOutput =
        (names.size() == 2 && names[1] == "-") || (names.size() == 1 && names[0] == "-");
    if (toStandardOutput) {
        options.input = names[0];
        options.output = "-";
        return std::nullopt;
    }
    if (names.empty()) {
        return std::string("--to needs one INPUT or more");
    }
    if (std::find(names.begin(), names.end(), "-") != names.end()) {
        return std::string("- among many INPUTs has no name to write to; give it alone, or "
                           "as \"INPUT -\"");
    }
    options.mode = Mode::Many;
    options.inputs = names;
    return std::nullopt;
}

std::optional<std::string> placeInputAndOutput(ConvertOptions& options,
                                               const std::vector<std::string>& names) {
    if (names.size() > 2) {
        return "too many files: INPUT and OUTPUT, not " + std::to_string(names.size()) +
               "; --to KIND converts many INPUTs";
    }
    if (names.size() < 2) {
        return std::string("an INPUT and an OUTPUT are needed");
    }
    if (names[1] == "-") {
        return std::string("- as OUTPUT needs --to KIND");
    }
    options.input = names[0];
    options.output = names[1];
    return std::nullopt;
}

} // namespace

std::optional<std::string> placeNames(ConvertOptions& options,
                                      const std::vector<std::string>& names) {
    std::optional<std::string> problem;
    if (options.mode == Mode::Info || options.mode == Mode::List) {
        problem = placeOneInput(options, names);
    } else if (options.to) {
        problem = placeInputsOfTo(options, names);
    } else {
        problem = placeInputAndOutput(options, names);
    }
    if (problem) {
        return problem;
    }
    // A listing is the one thing --list reads.
    if (options.input == "-" && !options.from && options.mode != Mode::List) {
        return std::string("- as INPUT needs --from KIND");
    }
    if (options.given.count("output-dir") != 0 && options.mode != Mode::Many) {
        return std::string("--output-dir is for --to with INPUTs alone");
    }
    return std::nullopt;
}
