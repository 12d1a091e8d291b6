#include "commandline.h"

#include "optiontable.h"
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

} // namespace

std::variant<UsageError, ThumbnailRequest>
parseThumbnailRequest(const std::vector<std::string>& arguments) {
    // The size is checked once every argument is read: only the last one given counts.
    std::optional<std::string> sizeText;
    const OptionTable options = {{"size", 's', "SIZE",
                                  "the largest width and height of the thumbnail",
                                  [&sizeText](const std::string& value) {
                                      sizeText = value;
                                      return std::optional<std::string>();
                                  }}};
    const auto parsed = parseCommandLine(options, arguments);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        return UsageError{error->problem};
    }
    const auto& names = std::get<std::vector<std::string>>(parsed);
    const std::optional<int> size = sizeText ? sizeFrom(*sizeText) : std::nullopt;
    if (!size || names.size() != 2) {
        return UsageError{"a size of at least 1, an input and an output are needed"};
    }
    return ThumbnailRequest{*size, names[0], names[1]};
}
