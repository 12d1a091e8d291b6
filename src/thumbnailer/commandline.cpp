#include "commandline.h"

#include "optiontable.h"
#include "thumbnail.h"

#include <algorithm>
#include <optional>

namespace {

const char kUsage[] =
    "Usage: mosaikon-thumbnailer -s SIZE INPUT OUTPUT\n"
    "Writes frame 1 of the Mosaikon picture or animation INPUT as a PNG to OUTPUT (- for standard\n"
    "output), every pixel of the picture a square of the largest whole number of pixels that\n"
    "fits it into SIZE x SIZE, one pixel when it is larger than SIZE.\n";

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

OptionTable optionTable(ThumbnailRequest& request, bool& help, bool& version) {
    return {{"size", 's', "SIZE", "the largest width and height of the thumbnail, in pixels",
             [&request](const std::string& value) -> std::optional<std::string> {
                 const std::optional<int> size = sizeFrom(value);
                 if (!size) {
                     return "takes a whole number of pixels from 1, not \"" + value + "\"";
                 }
                 request.size = *size;
                 return std::nullopt;
             }},
            helpOption(setsFlag(help)),
            versionOption(setsFlag(version))};
}

} // namespace

std::variant<UsageError, ThumbnailRequest>
parseThumbnailRequest(const std::vector<std::string>& arguments) {
    ThumbnailRequest request;
    bool help = false;
    bool version = false;
    const auto parsed = parseCommandLine(optionTable(request, help, version), arguments);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        return UsageError{error->problem};
    }
    if (help || version) {
        request.mode = help ? ThumbnailRequest::Mode::Help : ThumbnailRequest::Mode::Version;
        return request;
    }
    const auto& names = std::get<std::vector<std::string>>(parsed);
    if (request.size == 0) {
        return UsageError{"-s SIZE is needed"};
    }
    if (names.size() < 2) {
        return UsageError{names.empty() ? "an INPUT and an OUTPUT are needed"
                                        : "an OUTPUT is needed after the INPUT"};
    }
    if (names.size() > 2) {
        return UsageError{"too many files: one INPUT and one OUTPUT are taken, not " +
                          std::to_string(names.size()) + " names"};
    }
    request.input = names[0];
    request.output = names[1];
    return request;
}

std::string thumbnailerHelp() {
    ThumbnailRequest unused;
    bool help = false;
    bool version = false;
    return std::string(kUsage) + "\nOptions:\n" + optionLines(optionTable(unused, help, version));
}
