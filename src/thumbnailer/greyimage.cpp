#include "greyimage.h"

#include <array>
#include <cstdint>

// The thumbnailer writes its PNG itself, through QtCore's zlib: linking QtGui for QImage would
// double the time the whole process takes, most of it spent loading libraries.

namespace {

// CRC-32 of the PNG specification (ISO 3309), over a chunk's type and data.
std::uint32_t crc32(const QByteArray& bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int bit = 0; bit < 8; ++bit) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        c = table[(c ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

void appendBigEndian(QByteArray& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(static_cast<char>((value >> shift) & 0xFF));
    }
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& data) {
    const QByteArray typed = QByteArray(type) + data;
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    out.append(typed);
    appendBigEndian(out, crc32(typed));
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
