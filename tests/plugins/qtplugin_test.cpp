#include "viewercases.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

void expectFrame(const QImage& image, const Artwork& artwork, int frame, const std::string& what) {
    ASSERT_TRUE(image.format() == QImage::Format_Mono || image.format() == QImage::Format_Indexed8)
        << what << " format " << image.format();
    ASSERT_EQ(image.size(), QSize(artwork.width, artwork.height)) << what;
    for (int y = 0; y < artwork.height; ++y) {
        for (int x = 0; x < artwork.width; ++x) {
            const QRgb wanted = artwork.isSet(frame, x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            ASSERT_EQ(image.pixel(x, y), wanted)
                << what << " frame " << frame << " at " << x << ", " << y;
        }
    }
}

TEST(QtImagePlugin, IsListedWithBothFormatsAndTypes) {
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    const QList<QByteArray> types = QImageReader::supportedMimeTypes();
    for (const char* format : {"ems", "ema"}) {
        EXPECT_TRUE(formats.contains(format)) << format;
    }
    for (const char* type : {"image/x-ems-picture", "image/x-ema-animation"}) {
        EXPECT_TRUE(types.contains(type)) << type;
    }
}

TEST(QtImagePlugin, ReadsWhatTheEditorReadsFrameByFrame) {
    QTemporaryDir folder;
    for (const ViewerCase& file : viewerCases()) {
        const QString path = folder.filePath(QString::fromStdString(file.name));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  static_cast<qint64>(file.bytes.size()));
        out.close();

        QImageReader reader(path);
        if (!file.expected) {
            EXPECT_TRUE(reader.read().isNull()) << file.name;
            EXPECT_NE(reader.error(), QImageReader::UnknownError) << file.name;
            continue;
        }
        const Artwork& artwork = *file.expected;
        const int frames = file.plays ? static_cast<int>(artwork.frames.size()) : 1;
        EXPECT_EQ(reader.imageCount(), frames) << file.name;
        EXPECT_EQ(reader.loopCount(), file.plays ? -1 : 0) << file.name;
        EXPECT_EQ(reader.nextImageDelay(), file.plays ? artwork.zZ * 12 : 0) << file.name;
        for (int frame = 0; frame < frames; ++frame) {
            expectFrame(reader.read(), artwork, frame, file.name);
        }
        EXPECT_TRUE(reader.read().isNull()) << file.name << ": read past the last frame";
        const int last = frames - 1;
        ASSERT_TRUE(reader.jumpToImage(last)) << file.name;
        expectFrame(reader.read(), artwork, last, file.name + " after a jump");
        EXPECT_FALSE(reader.jumpToImage(frames)) << file.name;
    }
}

// The files have no magic number: a device is taken only when its name or the format asked for
// says so.
TEST(QtImagePlugin, TakesNoOtherFileAndNoFileUnderAnotherName) {
    QTemporaryDir folder;
    const ViewerCase picture = viewerCases().front();
    const QByteArray emsBytes(reinterpret_cast<const char*>(picture.bytes.data()),
                              static_cast<int>(picture.bytes.size()));
    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    QImage(3, 2, QImage::Format_Mono).save(&pngBuffer, "PNG");

    struct Case {
        const char* name;
        QByteArray bytes;
        QByteArray format; // the format it must be read as, or empty for none
    };
    const Case cases[] = {
        {"picture.png", emsBytes, ""},
        {"picture.bin", emsBytes, ""},
        {"photo.ems", png, "png"},
        {"notes.ems", "hello\n", ""},
    };
    for (const Case& file : cases) {
        const QString path = folder.filePath(file.name);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.bytes);
        out.close();
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), file.format) << file.name;
        EXPECT_EQ(reader.read().isNull(), file.format.isEmpty()) << file.name;
    }

    QBuffer unnamed;
    unnamed.setData(emsBytes);
    unnamed.open(QIODevice::ReadOnly);
    EXPECT_TRUE(QImageReader(&unnamed).read().isNull());
    unnamed.seek(0);
    QImageReader named(&unnamed, "ems");
    expectFrame(named.read(), *picture.expected, 0, "a buffer read as ems");
}

} // namespace
