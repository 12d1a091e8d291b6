#include "conversion.h"

#include "emscodec.h"
#include "inputreading.h"
#include "messagereading.h"
#include "messagewriting.h"
#include "outputwriting.h"
#include "refusal.h"
#include "samefile.h"
#include "wholewrite.h"

#include <unistd.h>

void convertFile(const ConvertOptions& options) {
    const bool toStandardOutput = options.output == "-";
    if (!toStandardOutput && isSameFile(options.input, options.output)) {
        throw Refusal(options.output + ": is the INPUT file itself; nothing is written");
    }
    const auto bytes = outputBytes(readInput(options), options);
    const WriteOutcome outcome =
        toStandardOutput
            ? writeToDescriptor(STDOUT_FILENO, bytes)
            : writeWholeOrNothing(options.output, bytes, Durability::Synced, LockedFolder::Refuse);
    if (!outcome.written) {
        throw Refusal(options.output + ": cannot be written: " + outcome.reason);
    }
}

std::string messagesNeeded(const ConvertOptions& options) {
    return describeMessages(readInput(options), options);
}

std::string listingContents(const ConvertOptions& options) {
    const std::vector<std::uint8_t> bytes = inputBytes(options.input, kListingReadLimit);
    const DecodeResult asMosaikonFile = decode(bytes);
    if (const auto* picture = std::get_if<DecodedPicture>(&asMosaikonFile)) {
        const bool animation = picture->kind == ArtworkKind::Animation;
        throw Refusal(options.input + ": is a Mosaikon " + (animation ? "animation" : "picture") +
                      ", not a message listing");
    }
    const FileKind kind = inputKindOf(options);
    if (kind == FileKind::Png || kind == FileKind::Gif || kind == FileKind::Bmp) {
        throw Refusal(options.input + ": is a ." + endingOf(kind) +
                      " image, not a message listing");
    }
    return describeMessageListing(options.input, bytes);
}
