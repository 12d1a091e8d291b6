#include "greyimage.h"

#include <zlib.h>

#include <cstdint>

// The thumbnailer writes its PNG itself, through the zlib that QtCore loads anyway: linking QtGui
// for QImage would double the time the whole process takes, most of it spent loading libraries.

namespace {

void appendBigEndian(QByteArray& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(static_cast<char>((value >> shift) & 0xFF));
    }
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& data) {
    const QByteArray typed = QByteArray(type) + data;
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    out.append(typed);
    // A chunk's check value is zlib's CRC-32 over its type and data.
    const auto* bytes = reinterpret_cast<const Bytef*>(typed.constData());
    appendBigEndian(out, static_cast<std::uint32_t>(
                             crc32(crc32(0, nullptr, 0), bytes, static_cast<uInt>(typed.size()))));
}

} // namespace

QByteArray encodePng(const GreyImage& image) {
    QByteArray header;
    appendBigEndian(header, static_cast<std::uint32_t>(image.width));
    appendBigEndian(header, static_cast<std::uint32_t>(image.height));
    header.append("\x08\x00\x00\x00\x00", 5); // 8 bits, greyscale, deflate, no filter, no interlace

    QByteArray rows;
    rows.reserve((image.width + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        rows.append('\0'); // filter type None
        rows.append(image.pixels.constData() + static_cast<qsizetype>(y) * image.width,
                    image.width);
    }
    // qCompress puts the uncompressed length in 4 bytes before the zlib stream PNG wants. Its
    // default level: the best one takes five times as long on a busy pattern, for a few bytes.
    const QByteArray compressed = qCompress(rows).mid(4);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", compressed);
    appendChunk(png, "IEND", QByteArray());
    return png;
}
