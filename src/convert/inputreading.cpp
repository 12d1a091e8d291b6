#include "inputreading.h"

#include "boundedread.h"
#include "emscodec.h"
#include "filekind.h"
#include "imagereading.h"
#include "messagereading.h"
#include "refusal.h"
#include "smsbackup.h"

namespace {

constexpr std::size_t kBackupSniffBytes = 4096;

std::vector<std::uint8_t> readStart(const std::string& path, std::size_t limit) {
    auto bytes = readFileStart(path, limit);
    if (!bytes) {
        throw Refusal(path + ": cannot be read");
    }
    return std::move(*bytes);
}

Artwork readMosaikonFile(const std::string& path) {
    const DecodeResult decoded = decode(readStart(path, kLargestFileBytes));
    if (const auto* picture = std::get_if<DecodedPicture>(&decoded)) {
        return artworkFrom(*picture);
    }
    const bool unsupported = std::get<DecodeError>(decoded) == DecodeError::Unsupported;
    throw Refusal(path + (unsupported ? ": is no Mosaikon picture or animation"
                                      : ": has a size or frame count Mosaikon does not hold"));
}

} // namespace

Artwork readInput(const ConvertOptions& options) {
    const std::string& path = options.input;
    switch (fileKindOf(path)) {
    case FileKind::Picture:
    case FileKind::Animation:
        return readMosaikonFile(path);
    case FileKind::Messages:
    case FileKind::SmsBackup:
        return readMessageListing(path, readStart(path, kListingReadLimit));
    case FileKind::Bmp: {
        // A two-colour BMP reads as the editor imports it; any other goes to Qt's readers.
        const BmpResult decoded = decodeBmp(readStart(path, kBmpReadLimit));
        if (const auto* bmp = std::get_if<DecodedBmp>(&decoded)) {
            return artworkFrom(*bmp);
        }
        return readImage(options);
    }
    case FileKind::OtherImage:
        // gammu's backups go by any name; their first section opens within the first lines.
        if (looksLikeSmsBackup(readStart(path, kBackupSniffBytes))) {
            return readMessageListing(path, readStart(path, kListingReadLimit));
        }
        return readImage(options);
    case FileKind::Png:
    case FileKind::Gif:
        return readImage(options);
    }
    return readImage(options);
}
