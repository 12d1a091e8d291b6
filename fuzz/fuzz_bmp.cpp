#include "applydecoded.h"
#include "bmpreader.h"
#include "picturedocument.h"

#include <QByteArray>
#include <QColor>
#include <QImage>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

std::uint32_t doubleWord(const std::uint8_t* bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// The reader's brightness: 0 for black up to 255000 for white.
int brightness(QRgb colour) {
    return 299 * qRed(colour) + 587 * qGreen(colour) + 114 * qBlue(colour);
}

// Whether Qt's reader must see the file as the import does. Only called for files the import
// takes, so the headers are there and the rows lie after them.
bool qtReadsItTheSameWay(const std::uint8_t* bytes) {
    const std::uint32_t headerBytes = doubleWord(bytes, 14);
    // Qt knows no 52- or 56-byte header: it takes them for the old 12-byte one and so reads the
    // high half of the width as the height, 0, which it refuses.
    if (headerBytes == 52 || headerBytes == 56) {
        return false;
    }
    const bool core = headerBytes == 12;
    const std::uint32_t coloursUsed = core ? 0 : doubleWord(bytes, 46);
    // Qt refuses colour tables of more than 256 entries; the import needs only the first two.
    if (coloursUsed > 256) {
        return false;
    }
    // Qt reads every colour the file declares and takes the rows from bfOffBits only when that
    // lies beyond the palette, or else right after it. The import keeps to bfOffBits and takes
    // the colours before it, black on white when there is none, so a palette that runs into the
    // rows is read in two different ways.
    const std::uint64_t paletteEnd =
        14 + std::uint64_t{headerBytes} +
        std::uint64_t{coloursUsed != 0 ? coloursUsed : 2} * (core ? 3 : 4);
    return paletteEnd <= doubleWord(bytes, 10);
}

// The colour index of Qt's image whose pixels are set cells: the darker of colours 0 and 1, 0 on
// a tie; with one colour alone, 0 when that colour is dark and 1 when it is light. -1 when it
// cannot be told: Qt puts the lighter colour of a two-colour table first by its own grey scale,
// so of two different colours equally bright by the import's scale, which one the file had first
// is lost.
int setIndexOf(const QImage& image) {
    const QList<QRgb> colours = image.colorTable();
    if (colours.size() == 1) {
        return brightness(colours[0]) <= 255000 / 2 ? 0 : 1;
    }
    const int brightness0 = brightness(colours[0]);
    const int brightness1 = brightness(colours[1]);
    if (brightness1 < brightness0) {
        return 1;
    }
    if (brightness1 == brightness0 && colours.size() == 2 && colours[0] != colours[1]) {
        return -1;
    }
    return 0;
}

// The import and Qt's own reader see the same picture: the same size, and within the width every
// pixel of the darker colour a set cell, row 1 the top row whichever way the file stores them.
// The fill bits after the width, which the import keeps as cells, Qt leaves out.
void compareWithQt(const std::uint8_t* data, std::size_t size, const DecodedBmp& bmp) {
    if (!qtReadsItTheSameWay(data)) {
        return;
    }
    const QImage image = QImage::fromData(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
        "BMP");
    if (image.isNull() || image.width() != bmp.width || image.height() != bmp.height ||
        image.format() != QImage::Format_Mono || image.colorCount() < 1) {
        std::abort();
    }
    const int setIndex = setIndexOf(image);
    if (setIndex < 0) {
        return;
    }
    for (int y = 0; y < bmp.height; ++y) {
        for (int x = 0; x < bmp.width; ++x) {
            const bool qtSet = image.pixelIndex(x, y) == setIndex;
            if (isSet(bmp.cellAt(x + 1, y + 1)) != qtSet) {
                std::abort();
            }
        }
    }
}

} // namespace

// Any bytes either give a picture within the document's limits, which then lands in the current
// frame and nowhere else, or one of the errors. A picture the import takes is the one Qt's reader
// sees in the same file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto doc = [] {
        auto made = std::make_unique<PictureDocument>();
        made->kind = DocumentKind::Animation;
        made->kK = 3;
        made->k = 2;
        return made;
    }();
    const BmpResult result = decodeBmp(std::vector<std::uint8_t>(data, data + size));
    const auto* bmp = std::get_if<DecodedBmp>(&result);
    if (bmp == nullptr) {
        return 0;
    }

    const int rowBytes = bmp->storedWidth() / 8;
    const bool withinLimits = bmp->width >= 1 && bmp->width <= kMaxWidth && bmp->height >= 1 &&
                              bmp->height <= kMaxHeight && bmp->storedWidth() % 32 == 0 &&
                              bmp->storedWidth() >= bmp->width && bmp->storedWidth() <= kMaxWidth;
    // Every stored row lies inside the input.
    const bool rowsInside = size >= 14 + 12 + static_cast<std::size_t>(rowBytes) * bmp->height;
    if (!withinLimits || !rowsInside ||
        bmp->cells.size() != static_cast<std::size_t>(bmp->storedWidth()) * bmp->height) {
        std::abort();
    }
    for (const Cell cell : bmp->cells) {
        if (cell != kCellSet && cell != kCellClear) {
            std::abort();
        }
    }
    compareWithQt(data, size, *bmp);

    const Frame otherFrame = doc->pixels[1];
    applyBmp(*doc, *bmp);
    if (doc->MX != bmp->width || doc->MY != bmp->height || doc->k != 2 || doc->kK != 3 ||
        doc->pixels[1] != otherFrame) {
        std::abort();
    }
    for (int x = 1; x <= bmp->storedWidth(); ++x) {
        for (int y = 1; y <= bmp->height; ++y) {
            if (doc->pixels[2][x][y] != bmp->cellAt(x, y)) {
                std::abort();
            }
        }
    }
    return 0;
}
