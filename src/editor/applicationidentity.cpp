#include "applicationidentity.h"

#include "programname.h"

#include <QApplication>
#include <QSettings>

namespace {

// The PNG sizes of src/resources/icons, made from mosaikon.svg by scripts/make-icons. PNGs rather
// than the SVG: Qt reads SVG only through a plugin that is loaded at run time, which no
// dependency scan of the executable would find, and the small sizes are drawn by hand anyway.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

} // namespace

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addFile(QStringLiteral(":/icons/mosaikon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void setApplicationIdentity() {
    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setWindowIcon(applicationIcon());
}

void keepNoSettings() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}
