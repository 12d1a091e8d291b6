#include "imageconversion.h"

#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

// Any bytes, read by Qt's image readers as the converter and the editor's drop read them, give
// either a reason or a picture or animation the editor can hold: no crash, no sanitizer report.
// The length of the input picks the cut, so that every way of cutting is tried. Pictures of up
// to 512 x 512 pixels are taken here; see below.
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
    // each taking seconds in the instrumented arithmetic. The sums are 64-bit whatever the size,
    // so smaller pictures test the same code, many more of them.
    request.mostPixels = 512 * 512;
    request.cut.dither = size % 2 == 1;
    request.cut.invert = size % 3 == 1;
    const auto converted = convertImage(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
        request);
    const auto* image = std::get_if<ConvertedImage>(&converted);
    if (image == nullptr) {
        return 0;
    }
    const Artwork& artwork = image->artwork;
    const bool animation = artwork.kind == DocumentKind::Animation;
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
