#include "imageconversion.h"

#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

// Any bytes, read by Qt's image readers as the converter and the editor's drop read them, give
// either a reason or a picture or animation the editor can hold: no crash, no sanitizer report.
// The length of the input picks the cut, so that every way of cutting is tried. Pictures of up
// to 160 x 120 pixels fitted into 40 x 30, and their first 3 frames, are taken here; see below.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        // The readers' complaints about damaged files would bury libFuzzer's own output.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    (void)quiet;

    ImageRequest request;
    request.fit = true;
    // A few kilobytes of GIF can unpack to 16 megapixels a frame (a large screen, little drawn),
    // each taking seconds in the instrumented arithmetic, and libFuzzer drifts towards such
    // inputs. The sums are 64-bit whatever the size and every frame goes the same way, so small
    // pictures fitted into a small box, and few frames, test the same code many more times.
    request.box = {40, 30};
    request.mostPixels = 160 * 120;
    request.mostFrames = 3;
    const auto converted = convertImage(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
        request);
    const auto* image = std::get_if<ConvertedImage>(&converted);
    if (image == nullptr) {
        return 0;
    }
    const Artwork& artwork = image->artwork;
    const bool animation = artwork.kind == ArtworkKind::Animation;
    if (!fitsTheEditor(artwork) || animation != (artwork.frames.size() > 1) ||
        (animation && (artwork.zZ < 1 || artwork.zZ > 255)) ||
        image->framesInFile < static_cast<int>(artwork.frames.size())) {
        std::abort();
    }
    for (const auto& frame : artwork.frames) {
        if (frame.size() != static_cast<std::size_t>(artwork.width) * artwork.height) {
            std::abort();
        }
        for (const std::uint8_t cell : frame) {
            if (cell > 1) {
                std::abort();
            }
        }
    }
    return 0;
}
