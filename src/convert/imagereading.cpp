#include "imagereading.h"

#include "boundedread.h"
#include "filekind.h"
#include "imageconversion.h"
#include "refusal.h"

namespace {

// The whole file, read in one go; one byte past the limit tells a file that is too long.
std::vector<std::uint8_t> imageFileBytes(const std::string& path) {
    auto bytes = readFileStart(path, kImageReadLimit + 1);
    if (!bytes) {
        throw Refusal(path + ": cannot be read");
    }
    if (bytes->size() > kImageReadLimit) {
        throw Refusal(path + ": is over 64 MiB, longer than any picture of 16 megapixels");
    }
    return std::move(*bytes);
}

} // namespace

Artwork readImage(const ConvertOptions& options) {
    const std::string& path = options.input;
    const std::vector<std::uint8_t> bytes = imageFileBytes(path);

    ImageRequest request;
    request.cut = {options.threshold, options.dither, options.invert};
    request.fit = options.fit;
    request.box = {options.fitWidth, options.fitHeight};
    // A picture file takes the first frame of an animation.
    request.mostFrames = fileKindOf(options.output) == FileKind::Picture ? 1 : kMaxArtworkFrames;
    auto converted =
        convertImage(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<qsizetype>(bytes.size())),
                     request);
    if (const auto* reason = std::get_if<std::string>(&converted)) {
        throw Refusal(path + ": " + *reason);
    }
    ConvertedImage& image = std::get<ConvertedImage>(converted);
    if (request.mostFrames > 1 && image.framesInFile > request.mostFrames) {
        remark(path + ": has " + std::to_string(image.framesInFile) + " frames; the first " +
               std::to_string(request.mostFrames) + " are taken");
    }
    return std::move(image.artwork);
}
