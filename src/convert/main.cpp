#include "boundedread.h"
#include "convertoptions.h"
#include "inputreading.h"
#include "messagereading.h"
#include "messagewriting.h"
#include "outputwriting.h"
#include "refusal.h"
#include "wholewrite.h"

#include <cstdio>
#include <cstdlib>

// mosaikon-convert: Mosaikon pictures and animations to EMS messages and common images, and
// back. Every refusal is one line on stderr and status 1, with nothing written.

namespace {

int run(const ConvertOptions& options) {
    using Mode = ConvertOptions::Mode;
    switch (options.mode) {
    case Mode::Help:
        std::fputs(convertHelp().c_str(), stdout);
        return EXIT_SUCCESS;
    case Mode::Version:
        std::printf("mosaikon-convert %s\n", MOSAIKON_VERSION);
        return EXIT_SUCCESS;
    case Mode::Info:
        std::fputs(describeMessages(readInput(options), options).c_str(), stdout);
        return EXIT_SUCCESS;
    case Mode::List: {
        const auto listing = readFileStart(options.input, kListingReadLimit);
        if (!listing) {
            throw Refusal(options.input + ": cannot be read");
        }
        std::fputs(describeMessageListing(options.input, *listing).c_str(), stdout);
        return EXIT_SUCCESS;
    }
    case Mode::Convert:
        break;
    }
    const auto bytes = outputBytes(readInput(options), options);
    const WriteOutcome outcome =
        writeWholeOrNothing(options.output, bytes, Durability::Synced, LockedFolder::Refuse);
    if (!outcome.written) {
        throw Refusal(options.output + ": cannot be written: " + outcome.reason);
    }
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = parseConvertOptions(argc, argv);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "mosaikon-convert: %s\nTry 'mosaikon-convert --help'.\n",
                     problem->c_str());
        return EXIT_FAILURE;
    }
    try {
        return run(std::get<ConvertOptions>(parsed));
    } catch (const Refusal& refusal) {
        std::fprintf(stderr, "mosaikon-convert: %s\n", refusal.what());
        return EXIT_FAILURE;
    }
}
