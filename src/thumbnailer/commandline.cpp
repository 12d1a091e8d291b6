#include "commandline.h"

#include "thumbnail.h"

#include <algorithm>
#include <optional>

namespace {

// A whole number of at least 1, with an optional '+'; any number above the largest size reads as
// that size, however many digits it has.
std::optional<int> sizeFrom(const std::string& text) {
    const std::size_t start = !text.empty() && text[0] == '+' ? 1 : 0;
    if (start == text.size()) {
        return std::nullopt;
    }
    int size = 0;
    for (std::size_t at = start; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') {
            return std::nullopt;
        }
        size = std::min(size * 10 + (text[at] - '0'), kLargestThumbnailSize + 1);
    }
    if (size < 1) {
        return std::nullopt;
    }
    return std::min(size, kLargestThumbnailSize);
}

// What follows the option's name when `argument` is a size option ("-s", "-sN", "-s=N", "--size",
// "--size=N"): empty when the value is the next argument. Nothing for any other option.
std::optional<std::string> sizeOptionRest(const std::string& argument) {
    if (argument.rfind("--size", 0) == 0 && (argument.size() == 6 || argument[6] == '=')) {
        return argument.substr(6);
    }
    if (argument.rfind("-s", 0) == 0) {
        return argument.substr(2);
    }
    return std::nullopt;
}

} // namespace

std::variant<UsageError, ThumbnailRequest>
parseCommandLine(const std::vector<std::string>& arguments) {
    std::optional<std::string> sizeText;
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
        const std::optional<std::string> rest = sizeOptionRest(argument);
        if (!rest) {
            return UsageError{"unknown option '" + argument + "'"};
        }
        if (!rest->empty()) {
            sizeText = (*rest)[0] == '=' ? rest->substr(1) : *rest;
        } else if (next < arguments.size()) {
            sizeText = arguments[next++];
        } else {
            return UsageError{"missing value after '" + argument + "'"};
        }
    }
    const std::optional<int> size = sizeText ? sizeFrom(*sizeText) : std::nullopt;
    if (!size || names.size() != 2) {
        return UsageError{"a size of at least 1, an input and an output are needed"};
    }
    return ThumbnailRequest{*size, names[0], names[1]};
}
