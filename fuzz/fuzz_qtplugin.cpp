#include "artwork.h"
#include "emscodec.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

bool showsFrame(const QImage& image, const Artwork& artwork, int frame) {
    if (image.size() != QSize(artwork.width, artwork.height)) {
        return false;
    }
    for (int y = 0; y < artwork.height; ++y) {
        for (int x = 0; x < artwork.width; ++x) {
            const QRgb wanted = artwork.isSet(frame, x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            if (image.pixel(x, y) != wanted) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_PLUGIN_PATH", MOSAIKON_PLUGIN_DIR);
    if (!QImageReader::supportedImageFormats().contains("ema")) {
        std::abort();
    }
    return 0;
}

// The first byte picks the format named and a frame to jump to, the rest is the file. The reader
// gives exactly what the editor's decoder reads, every frame of a playing animation, or an error
// where the decoder refuses the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t seed = data[0];
    const std::vector<std::uint8_t> file(data + 1, data + size);
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                               static_cast<qsizetype>(file.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, seed & 1 ? "ema" : "ems");
    reader.setAutoDetectImageFormat(false);

    const DecodeResult decoded = decode(file);
    const auto* picture = std::get_if<DecodedPicture>(&decoded);
    if (picture == nullptr) {
        if (!reader.read().isNull() || reader.error() == QImageReader::UnknownError) {
            std::abort();
        }
        return 0;
    }
    const Artwork artwork = artworkFrom(*picture);
    const bool plays = artwork.frames.size() > 1 && artwork.zZ > 0;
    const int frameCount = plays ? static_cast<int>(artwork.frames.size()) : 1;
    if (reader.imageCount() != frameCount || reader.loopCount() != (plays ? -1 : 0) ||
        reader.nextImageDelay() != (plays ? artwork.zZ * 12 : 0)) {
        std::abort();
    }
    for (int frame = 0; frame < frameCount; ++frame) {
        if (!showsFrame(reader.read(), artwork, frame)) {
            std::abort();
        }
    }
    const int jump = (seed >> 1) % frameCount;
    if (!reader.jumpToImage(jump) || !showsFrame(reader.read(), artwork, jump)) {
        std::abort();
    }
    return 0;
}
