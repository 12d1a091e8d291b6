#include "emscodec.h"
#include "greyimage.h"
#include "thumbnail.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Whether `scale` is the largest whole number of pixels per cell that fits a picture into
// size x size, or 1 when not even that fits.
bool isTheLargestScaleThatFits(int scale, int width, int height, int size) {
    const auto fits = [&](int s) { return s * width <= size && s * height <= size; };
    return scale >= 1 && (fits(scale) || scale == 1) && !fits(scale + 1);
}

} // namespace

// The first byte is the size asked for (1 to 256, which keeps every image small enough for a
// quick run), the rest a file. The first-frame decoder takes the files the whole decoder takes,
// and its thumbnail of each is a PNG that Qt's own reader reads back as the frame 1 the whole
// decoder sees: black set cells on white, every cell a square of the largest scale that fits.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int thumbnailSize = 1 + data[0];
    const std::vector<std::uint8_t> file(data + 1, data + size);
    const DecodeResult decoded = decode(file);
    const DecodeResult firstFrame = decodeFirstFrame(file);
    const auto* picture = std::get_if<DecodedPicture>(&decoded);
    const auto* first = std::get_if<DecodedPicture>(&firstFrame);
    if ((picture == nullptr) != (first == nullptr)) {
        std::abort();
    }
    if (picture == nullptr) {
        return 0;
    }
    const auto png = encodePng(thumbnailImage(*first, thumbnailSize));
    if (!png) {
        std::abort();
    }

    const QImage read =
        QImage::fromData(QByteArray::fromRawData(reinterpret_cast<const char*>(png->data()),
                                                 static_cast<qsizetype>(png->size())),
                         "PNG");
    if (read.isNull() || read.format() != QImage::Format_Grayscale8 ||
        read.width() % picture->MX != 0 ||
        read.height() * picture->MX != read.width() * picture->MY) {
        std::abort();
    }
    const int scale = read.width() / picture->MX;
    if (!isTheLargestScaleThatFits(scale, picture->MX, picture->MY, thumbnailSize)) {
        std::abort();
    }
    for (int y = 0; y < read.height(); ++y) {
        const std::uint8_t* line = read.constScanLine(y);
        for (int x = 0; x < read.width(); ++x) {
            const bool set = picture->cellAt(1, x / scale + 1, y / scale + 1) != kDecodedClear;
            if (line[x] != (set ? 0 : 255)) {
                std::abort();
            }
        }
    }
    return 0;
}
