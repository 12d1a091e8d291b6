#include "applicationidentity.h"

#include "pixelarticonengine.h"
#include "programname.h"

#include <QApplication>
#include <QSettings>

namespace {

// The PNG sizes of src/resources/icons, made from mosaikon.svg by scripts/make-icons. PNGs rather
// than the SVG: Qt reads SVG only through a plugin that is loaded at run time, which no
// dependency scan of the executable would find, and the small sizes are drawn by hand anyway.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

} // namespace

// Pixel art too: a size between the shipped ones gets the one below it in whole blocks, centred.
QIcon applicationIcon() {
    QList<QImage> pictures;
    for (const int size : kIconSizes) {
        pictures.append(QImage(QStringLiteral(":/icons/mosaikon-%1.png").arg(size)));
    }
    return QIcon(new PixelArtIconEngine(pictures));
}

void setApplicationIdentity() {
    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setWindowIcon(applicationIcon());
}

void keepNoSettings() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}
