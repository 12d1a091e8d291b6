#include "boundedread.h"
#include "commandline.h"
#include "emscodec.h"
#include "greyimage.h"
#include "thumbnail.h"
#include "wholewrite.h"

#include <cstdio>
#include <cstdlib>

// mosaikon-thumbnailer -s SIZE INPUT OUTPUT: frame 1 of an .ems or .ema file as a PNG, for the
// file managers of the desktop. A file Mosaikon would refuse to open gives no PNG and a failure
// status. No window system is needed, and no library beyond the C++ runtime and zlib is loaded:
// starting the process is most of what a thumbnail costs.

namespace {

constexpr int kUsageError = 2;

const char kUsage[] =
    "Usage: mosaikon-thumbnailer -s SIZE INPUT OUTPUT\n"
    "Writes frame 1 of the Mosaikon picture or animation INPUT as a PNG to OUTPUT, every pixel "
    "of the picture a square of the largest whole number of pixels that fits it into SIZE x SIZE, "
    "one pixel when it is larger than SIZE.\n";

[[noreturn]] void fail(const std::string& problem) {
    std::fprintf(stderr, "mosaikon-thumbnailer: %s\n", problem.c_str());
    std::exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = parseThumbnailRequest({argv + 1, argv + argc});
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        std::fprintf(stderr, "mosaikon-thumbnailer: %s\n%s", error->problem.c_str(), kUsage);
        return kUsageError;
    }
    const auto& request = std::get<ThumbnailRequest>(parsed);

    // Nothing after frame 1 of the largest animation matters to a thumbnail.
    constexpr std::size_t kFirstFrameBytes =
        kAnimationHeaderBytes + kMaxArtworkWidth / 8 * kMaxArtworkHeight;
    const auto bytes = readFileStart(request.input, kFirstFrameBytes);
    if (!bytes) {
        fail("cannot read " + request.input);
    }
    const DecodeResult decoded = decodeFirstFrame(*bytes);
    const auto* picture = std::get_if<DecodedPicture>(&decoded);
    if (picture == nullptr) {
        fail(request.input + " is no Mosaikon picture or animation");
    }
    const auto png = encodePng(thumbnailImage(*picture, request.size));
    if (!png) {
        fail("cannot compress the image: out of memory");
    }
    // A thumbnail is made again whenever it is missing: not syncing it to the disk saves more
    // than all the rest costs.
    const WriteOutcome outcome =
        writeWholeOrNothing(request.output, *png, Durability::Cached, LockedFolder::Refuse);
    if (!outcome.written) {
        fail("cannot write " + request.output + ": " + outcome.reason);
    }
    return EXIT_SUCCESS;
}
