#include "imagereading.h"

#include "filekind.h"
#include "imageconversion.h"
#include "refusal.h"

Artwork readImage(const std::vector<std::uint8_t>& bytes, const ConvertOptions& options) {
    const std::string& path = options.input;
    if (bytes.size() > kImageReadLimit) {
        throw Refusal(path + ": is over 64 MiB, longer than any picture of 16 megapixels");
    }

    ImageRequest request;
    request.cut = {options.threshold, options.dither, options.invert};
    request.fit = options.fit;
    request.box = {options.fitWidth, options.fitHeight};
    // A picture file takes the first frame of an animation.
    request.mostFrames = outputKindOf(options) == FileKind::Picture ? 1 : kMaxArtworkFrames;
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
