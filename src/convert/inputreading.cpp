#include "inputreading.h"

#include "boundedread.h"
#include "emscodec.h"
#include "imageconversion.h"
#include "imagereading.h"
#include "messagereading.h"
#include "refusal.h"
#include "smsbackup.h"

#include <algorithm>
#include <unistd.h>

namespace {

// gammu's backups go by any name; their first section opens within the first lines.
constexpr std::size_t kBackupSniffBytes = 4096;

bool startsLikeSmsBackup(const std::vector<std::uint8_t>& bytes) {
    const std::size_t start = std::min(bytes.size(), kBackupSniffBytes);
    return looksLikeSmsBackup({bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(start)});
}

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
    const FileKind kind = inputKindOf(options);
    switch (kind) {
    case FileKind::Picture:
    case FileKind::Animation:
        return mosaikonArtwork(path, inputBytes(path, kLargestFileBytes));
    case FileKind::Messages:
    case FileKind::SmsBackup:
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
    case FileKind::MessageJson:
    case FileKind::OtherImage:
        break;
    }
    // One byte past the limit tells a file that is too long.
    std::vector<std::uint8_t> bytes = inputBytes(path, kImageReadLimit + 1);
    if (kind == FileKind::OtherImage && startsLikeSmsBackup(bytes)) {
        bytes.resize(std::min(bytes.size(), kListingReadLimit));
        return readMessageListing(path, bytes);
    }
    return readImage(bytes, options);
}
