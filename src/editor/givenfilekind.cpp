#include "givenfilekind.h"

#include "bmpreader.h"
#include "filereading.h"
#include "imageconversion.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QString>

#include <variant>

namespace {

bool isOtherBmp(const QString& path) {
    const auto bytes = readFileStart(path, kBmpReadLimit);
    if (!bytes || std::holds_alternative<DecodedBmp>(decodeBmp(*bytes))) {
        return false;
    }
    QByteArray start = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes->data()),
                                               static_cast<qsizetype>(bytes->size()));
    QBuffer buffer(&start);
    // canRead looks at the signature alone; the size needs a whole header.
    QImageReader reader(&buffer);
    return reader.canRead() && reader.size().isValid();
}

} // namespace

GivenFileKind givenFileKind(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"bmp") {
        return isOtherBmp(path) ? GivenFileKind::Image : GivenFileKind::TwoColourBmp;
    }
    if (suffix != u"ems" && suffix != u"ema" && hasImageEnding(path)) {
        return GivenFileKind::Image;
    }
    return GivenFileKind::Document;
}
