#include "boundedread.h"
#include "commandline.h"
#include "emscodec.h"
#include "greyimage.h"
#include "samefile.h"
#include "thumbnail.h"
#include "toolstatus.h"
#include "wholewrite.h"

#include <cstdio>
#include <unistd.h>

// mosaikon-thumbnailer -s SIZE INPUT OUTPUT: frame 1 of an .ems or .ema file as a PNG, for the
// file managers of the desktop. A file Mosaikon would refuse to open gives no PNG and a failure
// status. No window system is needed, and no library beyond the C++ runtime and zlib is loaded:
// starting the process is most of what a thumbnail costs.

namespace {

const char kProgram[] = "mosaikon-thumbnailer";

int fail(const std::string& line) {
    sayOnStderr(kProgram, line);
    return kExitFailed;
}

int thumbnail(const ThumbnailRequest& request) {
    // Checked before anything is read or written: a PNG over the drawing would lose it.
    if (request.output != "-" && isSameFile(request.input, request.output)) {
        return fail(request.output + ": is the INPUT file itself; nothing is written");
    }
    // Nothing after frame 1 of the largest animation matters to a thumbnail.
    constexpr std::size_t kFirstFrameBytes =
        kAnimationHeaderBytes + kMaxArtworkWidth / 8 * kMaxArtworkHeight;
    const ReadResult read = readRegularFileStart(request.input, kFirstFrameBytes);
    if (const auto* failure = std::get_if<ReadFailure>(&read)) {
        return fail(request.input + ": cannot be read: " + failure->reason);
    }
    const DecodeResult decoded = decodeFirstFrame(std::get<std::vector<std::uint8_t>>(read));
    const auto* picture = std::get_if<DecodedPicture>(&decoded);
    if (picture == nullptr) {
        return fail(request.input + ": is no Mosaikon picture or animation");
    }
    const auto png = encodePng(thumbnailImage(*picture, request.size));
    if (!png) {
        return fail(request.input + ": the PNG cannot be compressed: out of memory");
    }
    // A thumbnail is made again whenever it is missing: not syncing it to the disk saves more
    // than all the rest costs.
    const WriteOutcome outcome =
        request.output == "-"
            ? writeToDescriptor(STDOUT_FILENO, *png)
            : writeWholeOrNothing(request.output, *png, Durability::Cached, LockedFolder::Refuse);
    if (!outcome.written) {
        return fail(request.output + ": cannot be written: " + outcome.reason);
    }
    return kExitDone;
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = parseThumbnailRequest({argv + 1, argv + argc});
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return wrongCommandLine(kProgram, error->problem);
    }
    const auto& request = std::get<ThumbnailRequest>(parsed);
    switch (request.mode) {
    case ThumbnailRequest::Mode::Help:
        std::fputs(thumbnailerHelp().c_str(), stdout);
        return kExitDone;
    case ThumbnailRequest::Mode::Version:
        std::printf("%s %s\n", kProgram, MOSAIKON_VERSION);
        return kExitDone;
    case ThumbnailRequest::Mode::Thumbnail:
        break;
    }
    return thumbnail(request);
}
