#include "imageconversion.h"

#include "toolkitlines.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <optional>

namespace {

// Room for one frame of the largest picture taken at 64 bits a pixel.
constexpr int kAllocationLimitMegabytes = 128;
// A reduced JPEG decode keeps this many decoded pixels across each cell at least; see below.
constexpr int kDecodedPixelsPerCell = 2;

std::string sizeText(long long width, long long height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

std::optional<std::string> tooManyPixels(QSize size, long long mostPixels) {
    if (static_cast<long long>(size.width()) * size.height() <= mostPixels) {
        return std::nullopt;
    }
    const std::string most = mostPixels % 1'000'000 == 0
                                 ? std::to_string(mostPixels / 1'000'000) + " megapixels"
                                 : std::to_string(mostPixels) + " pixels";
    return "is " + sizeText(size.width(), size.height()) + ", over the " + most + " taken";
}

GreyPicture greyOf(const QImage& image) {
    const QImage rgb = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                     : QImage::Format_RGB32);
    GreyPicture grey;
    grey.width = rgb.width();
    grey.height = rgb.height();
    const std::size_t count = static_cast<std::size_t>(grey.width) * grey.height;
    grey.luma.resize(count);
    grey.opaque.resize(count);
    std::size_t index = 0;
    for (int y = 0; y < grey.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < grey.width; ++x, ++index) {
            const QRgb pixel = line[x];
            grey.luma[index] = static_cast<std::uint8_t>(
                (299 * qRed(pixel) + 587 * qGreen(pixel) + 114 * qBlue(pixel) + 500) / 1000);
            grey.opaque[index] = static_cast<std::uint8_t>(qAlpha(pixel) >> 7); // 128 or more
        }
    }
    return grey;
}

// libjpeg decodes at 1/8, 2/8, ... 7/8 of the size for little more than the cost of reading the
// file, each output pixel the mean of its block: at 1/8, exactly the DC term of an 8 x 8 block.
// The cells then average whole decoded pixels; only the blocks astride a cell's edge lend their
// ink to both sides in proportion to area. The smallest such size that keeps
// kDecodedPixelsPerCell pixels across each cell, or the full size.
QSize reducedJpegSize(QSize full, CellsSize cells) {
    for (int eighths = 1; eighths < 8; ++eighths) {
        const QSize reduced((full.width() * eighths + 7) / 8, (full.height() * eighths + 7) / 8);
        if (reduced.width() >= kDecodedPixelsPerCell * cells.width &&
            reduced.height() >= kDecodedPixelsPerCell * cells.height) {
            return reduced;
        }
    }
    return full;
}

// The delay of an animation in units of 12 ms, 1..255.
int delayUnits(int milliseconds, bool gif) {
    milliseconds = std::max(milliseconds, 0);
    if (gif && milliseconds <= 10) {
        milliseconds = 100;
    }
    return std::clamp((milliseconds + 6) / 12, 1, 255);
}

std::variant<CellsSize, std::string> cellsFor(QSize size, const ImageRequest& request) {
    const int width = size.width();
    const int height = size.height();
    if (request.fit) {
        return fittedSize(width, height, request.box.width, request.box.height);
    }
    if (width > request.box.width || height > request.box.height) {
        return "is " + sizeText(width, height) + ", larger than " +
               sizeText(request.box.width, request.box.height) + "; --fit scales it down";
    }
    return CellsSize{width, height};
}

std::variant<ConvertedImage, std::string> decodedTwoColour(const QByteArray& bytes,
                                                           const ImageRequest& request) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead()) {
        return std::string("is no image of a kind Qt reads");
    }
    // Qt 6.4 gives a top-down BMP a negative height.
    const QSize declared(std::abs(reader.size().width()), std::abs(reader.size().height()));
    if (const auto reason = tooManyPixels(declared, request.mostPixels)) {
        return *reason;
    }
    const QByteArray format = reader.format();
    const int framesInFile = reader.supportsAnimation() ? std::max(reader.imageCount(), 1) : 1;

    // Most readers tell the size from the header; the others are measured once decoded.
    std::optional<CellsSize> cells;
    if (!declared.isEmpty()) {
        auto wanted = cellsFor(declared, request);
        if (auto* reason = std::get_if<std::string>(&wanted)) {
            return *reason;
        }
        cells = std::get<CellsSize>(wanted);
        if (format == "jpeg" && cells->width < declared.width()) {
            reader.setScaledSize(reducedJpegSize(declared, *cells));
        }
    }

    QSize frameSize;
    int firstDelay = 0;
    Artwork artwork;
    for (int frame = 0; frame < std::min(framesInFile, request.mostFrames); ++frame) {
        QImage image;
        if (!reader.read(&image)) {
            if (frame == 0) {
                return "cannot be decoded: " + reader.errorString().toStdString();
            }
            break; // a damaged animation keeps the frames before the damage
        }
        if (frame == 0) {
            frameSize = image.size();
            firstDelay = reader.nextImageDelay();
            if (const auto reason = tooManyPixels(frameSize, request.mostPixels)) {
                return *reason;
            }
            if (!cells) {
                auto wanted = cellsFor(frameSize, request);
                if (auto* reason = std::get_if<std::string>(&wanted)) {
                    return *reason;
                }
                cells = std::get<CellsSize>(wanted);
            }
            if (frameSize.width() < cells->width || frameSize.height() < cells->height) {
                return std::string("decodes smaller than its header says");
            }
            artwork = blankArtwork(ArtworkKind::Picture, cells->width, cells->height, 0);
        } else if (image.size() != frameSize) {
            break;
        }
        artwork.frames.push_back(twoColourCells(greyOf(image), *cells, request.cut));
    }
    if (artwork.frames.empty()) {
        return std::string("holds no picture");
    }
    if (artwork.frames.size() > 1) {
        artwork.kind = ArtworkKind::Animation;
        artwork.zZ = delayUnits(firstDelay, format == "gif");
    }
    return ConvertedImage{std::move(artwork), framesInFile};
}

} // namespace

std::variant<ConvertedImage, std::string> convertImage(const QByteArray& bytes,
                                                       const ImageRequest& request) {
    static std::once_flag limited;
    std::call_once(limited, [] { QImageReader::setAllocationLimit(kAllocationLimitMegabytes); });
    const ToolkitLines toolkit;
    auto converted = decodedTwoColour(bytes, request);
    const auto* reason = std::get_if<std::string>(&converted);
    // A picture decoded with a warning is damaged, however whole it looks: a truncated JPEG
    // decodes grey below the cut. A failed decode takes the library's words, which say more.
    const bool undecoded = reason != nullptr && reason->rfind("cannot be decoded", 0) == 0;
    if (!toolkit.lines().empty() && (reason == nullptr || undecoded)) {
        return "cannot be decoded: " + toolkit.lines().front();
    }
    return converted;
}

bool hasImageEnding(const QString& path) {
    const QByteArray ending = QFileInfo(path).suffix().toLower().toLatin1();
    return !ending.isEmpty() && QImageReader::supportedImageFormats().contains(ending);
}
