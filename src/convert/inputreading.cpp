#include "inputreading.h"

#include "boundedread.h"
#include "emscodec.h"
#include "imageconversion.h"
#include "imagereading.h"
#include "messagereading.h"
#include "refusal.h"

#include <unistd.h>

namespace {

Artwork mosaikonArtwork(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const DecodeResult decoded = decode(bytes);
    if (const auto* picture = std::get_if<DecodedPicture>(&decoded)) {
        return artworkFrom(*picture);
    }
    const bool unsupported = std::get<DecodeError>(decoded) == DecodeError::Unsupported;
    throw Refusal(path + (unsupported ? ": is no Mosaikon picture or animation"
                                      : ": has a size or frame count Mosaikon does not hold"));
}

} // namespace

std::vector<std::uint8_t> inputBytes(const std::string& input, std::size_t limit) {
    ReadResult read =
        input == "-" ? readStreamStart(STDIN_FILENO, limit) : readRegularFileStart(input, limit);
    if (const auto* failure = std::get_if<ReadFailure>(&read)) {
        throw Refusal(input + ": cannot be read: " + failure->reason);
    }
    return std::move(std::get<std::vector<std::uint8_t>>(read));
}

Artwork readInput(const ConvertOptions& options) {
    const std::string& path = options.input;
    switch (inputKindOf(options)) {
    case FileKind::Picture:
    case FileKind::Animation:
        return mosaikonArtwork(path, inputBytes(path, kLargestFileBytes));
    case FileKind::Messages:
        return readMessageListing(path, inputBytes(path, kListingReadLimit));
    case FileKind::Bmp: {
        // A two-colour BMP reads as the editor imports it; any other goes to Qt's readers.
        const std::vector<std::uint8_t> bytes = inputBytes(path, kImageReadLimit + 1);
        const BmpResult decoded = decodeBmp(bytes);
        if (const auto* bmp = std::get_if<DecodedBmp>(&decoded)) {
            return artworkFrom(*bmp);
        }
        return readImage(bytes, options);
    }
    case FileKind::Png:
    case FileKind::Gif:
    case FileKind::OtherImage:
        break;
    }
    // One byte past the limit tells a file that is too long.
    return readImage(inputBytes(path, kImageReadLimit + 1), options);
}
