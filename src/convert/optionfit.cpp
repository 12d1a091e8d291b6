#include "optionfit.h"

#include <algorithm>
#include <vector>

namespace {

using Mode = ConvertOptions::Mode;

struct ExcludingPair {
    const char* first;
    const char* second;
    const char* why;
};

const ExcludingPair kPairs[] = {
    {"frame", "all-frames", "both choose the frames shown"},
    {"fit", "size", "both set the size"},
};

// The options that apply to some outputs only, and the outputs they apply to.
struct OutputRule {
    std::vector<const char*> options;
    std::vector<FileKind> outputs;
    const char* outputsText;
};

const std::vector<OutputRule>& outputRules() {
    static const std::vector<OutputRule> rules = {
        {{"frame"}, {FileKind::Png, FileKind::Bmp}, "a PNG or BMP output"},
        {{"scale"}, {FileKind::Png, FileKind::Gif}, "a PNG or GIF output"},
        {{"all-frames"}, {FileKind::Png}, "a PNG output"},
        {{"number", "element", "reference", "text", "position", "nokia", "network", "json"},
         {FileKind::Messages, FileKind::MessageJson},
         "a .pdu or .jsonl output or --info"},
        {{"udh", "at"}, {FileKind::Messages}, "a .pdu output or --info"},
    };
    return rules;
}

const char* const kImageReadingOptions[] = {"threshold", "dither", "invert", "fit", "size"};

bool given(const ConvertOptions& options, const std::string& name) {
    return options.given.count(name) != 0;
}

// What the output is called in a refusal: ".pdu", "--info".
std::string outputName(const ConvertOptions& options, FileKind kind) {
    return options.mode == Mode::Info ? "--info" : "." + endingOf(kind);
}

std::optional<std::string> outputMisfit(const ConvertOptions& options) {
    if (options.mode == Mode::List) {
        for (const std::string& name : options.given) {
            if (name != "list" && name != "from") {
                return "--" + name + " does not apply to --list";
            }
        }
        return std::nullopt;
    }
    if (options.mode == Mode::Info && given(options, "to")) {
        return std::string("--to does not apply to --info");
    }
    const FileKind kind = options.mode == Mode::Info ? FileKind::Messages : outputKindOf(options);
    if (kind == FileKind::OtherImage) {
        return std::nullopt; // the output's ending is refused, with the endings taken
    }
    for (const OutputRule& rule : outputRules()) {
        if (std::find(rule.outputs.begin(), rule.outputs.end(), kind) != rule.outputs.end()) {
            continue;
        }
        for (const char* option : rule.options) {
            if (given(options, option)) {
                return std::string("--") + option + " is for " + rule.outputsText + ", not " +
                       outputName(options, kind);
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> inputMisfit(const ConvertOptions& options) {
    const FileKind kind = inputKindOf(options);
    if (kind != FileKind::Picture && kind != FileKind::Animation && kind != FileKind::Messages &&
        kind != FileKind::SmsBackup) {
        return std::nullopt;
    }
    for (const char* option : kImageReadingOptions) {
        if (given(options, option)) {
            return std::string("--") + option + " is for a common image as INPUT, not ." +
                   endingOf(kind);
        }
    }
    return std::nullopt;
}

std::optional<std::string> optionMisfit(const ConvertOptions& options) {
    for (const ExcludingPair& pair : kPairs) {
        if (given(options, pair.first) && given(options, pair.second)) {
            return std::string("--") + pair.first + " and --" + pair.second + " " + pair.why +
                   "; choose one";
        }
    }
    if (auto misfit = outputMisfit(options)) {
        return misfit;
    }
    return options.mode == Mode::Many ? std::nullopt : inputMisfit(options);
}
