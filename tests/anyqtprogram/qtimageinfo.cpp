// Any Qt program's view of image files: it lists the formats Qt can read, then reads each file
// named on the command line through QImageReader, with no knowledge of any format of its own.
// Usage: qt-image-info FILE...

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::printf("formats: %s\n", QImageReader::supportedImageFormats().join(' ').constData());
    int status = 0;
    for (const QString& path : application.arguments().mid(1)) {
        QImageReader reader(path);
        const QByteArray format = reader.format();
        const int frames = reader.imageCount();
        const int delay = reader.nextImageDelay();
        const int loops = reader.loopCount();
        int black = 0;
        QImage image;
        for (int frame = 0; frame < frames || frame == 0; ++frame) {
            image = reader.read();
            if (image.isNull()) {
                break;
            }
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    black += image.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
                }
            }
        }
        if (image.isNull()) {
            std::printf("%s: %s\n", qPrintable(path), qPrintable(reader.errorString()));
            status = 1;
            continue;
        }
        std::printf("%s: %s %dx%d, %d frames, %d ms, loops %d, %d black pixels\n", qPrintable(path),
                    format.constData(), image.width(), image.height(), frames, delay, loops, black);
    }
    return status;
}
