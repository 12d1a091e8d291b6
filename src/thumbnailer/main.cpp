#include "emscodec.h"
#include "filereading.h"
#include "thumbnail.h"

#include <QCommandLineParser>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

// mosaikon-thumbnailer -s SIZE INPUT OUTPUT: frame 1 of an .ems or .ema file as a PNG, for the
// file managers of the desktop. A file Mosaikon would refuse to open gives no PNG and a failure
// status. No window system is needed.

namespace {

constexpr int kUsageError = 2;
// The largest thumbnail size desktops ask for ("xx-large"). A larger size is taken as this one:
// the image stays within a few megabytes whatever number the command line holds.
constexpr int kLargestSize = 1024;

const char kUsage[] = "Usage: mosaikon-thumbnailer -s SIZE INPUT OUTPUT\n"
                      "Writes frame 1 of the Mosaikon picture or animation INPUT as a PNG of at "
                      "most SIZE x SIZE pixels to OUTPUT.\n";

[[noreturn]] void failUsage(const QString& problem) {
    std::fprintf(stderr, "mosaikon-thumbnailer: %s\n%s", qPrintable(problem), kUsage);
    std::exit(kUsageError);
}

[[noreturn]] void fail(const QString& problem) {
    std::fprintf(stderr, "mosaikon-thumbnailer: %s\n", qPrintable(problem));
    std::exit(EXIT_FAILURE);
}

// A thumbnail is made again whenever it is missing, so it is not synced to disk, which would
// cost more than all the rest; a PNG cut short by a failed write is removed.
bool writeFile(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        file.remove();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments.append(QString::fromLocal8Bit(argv[index]));
    }
    QCommandLineParser parser;
    const QCommandLineOption sizeOption(QStringLiteral("s"), QStringLiteral("size"),
                                        QStringLiteral("SIZE"));
    parser.addOption(sizeOption);
    if (!parser.parse(arguments)) {
        failUsage(parser.errorText());
    }
    bool sizeIsNumber = false;
    const int size = parser.value(sizeOption).toInt(&sizeIsNumber);
    const QStringList files = parser.positionalArguments();
    if (!sizeIsNumber || size < 1 || files.size() != 2) {
        failUsage(QStringLiteral("a size of at least 1, an input and an output are needed"));
    }

    const auto bytes = readFileStart(files[0], kLargestFileBytes);
    if (!bytes) {
        fail(QStringLiteral("cannot read %1").arg(files[0]));
    }
    const DecodeResult decoded = decode(*bytes);
    const auto* picture = std::get_if<DecodedPicture>(&decoded);
    if (picture == nullptr) {
        fail(QStringLiteral("%1 is no Mosaikon picture or animation").arg(files[0]));
    }
    const int boundedSize = std::min(size, kLargestSize);
    if (!writeFile(encodePng(thumbnailImage(*picture, boundedSize)), files[1])) {
        fail(QStringLiteral("cannot write %1").arg(files[1]));
    }
    return EXIT_SUCCESS;
}
