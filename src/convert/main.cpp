#include "conversion.h"
#include "convertoptions.h"
#include "manyfiles.h"
#include "refusal.h"
#include "toolstatus.h"

#include <cstdio>

// mosaikon-convert: Mosaikon pictures and animations to EMS messages and common images, and
// back. Every refusal is one line on stderr and status 1, with nothing written; a wrong command
// line is status 2.

namespace {

const char kProgram[] = "mosaikon-convert";

int run(const ConvertOptions& options) {
    using Mode = ConvertOptions::Mode;
    switch (options.mode) {
    case Mode::Help:
        std::fputs(convertHelp().c_str(), stdout);
        return kExitDone;
    case Mode::Version:
        std::printf("%s %s\n", kProgram, MOSAIKON_VERSION);
        return kExitDone;
    case Mode::Info:
        std::fputs(messagesNeeded(options).c_str(), stdout);
        return kExitDone;
    case Mode::List:
        std::fputs(listingContents(options).c_str(), stdout);
        return kExitDone;
    case Mode::Many:
        return convertManyFiles(options) ? kExitDone : kExitFailed;
    case Mode::Convert:
        break;
    }
    convertFile(options);
    return kExitDone;
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = parseConvertOptions(argc, argv);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        return wrongCommandLine(kProgram, *problem);
    }
    try {
        return run(std::get<ConvertOptions>(parsed));
    } catch (const Refusal& refusal) {
        sayOnStderr(kProgram, refusal.what());
        return kExitFailed;
    }
}
