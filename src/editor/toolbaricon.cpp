#include "toolbaricon.h"

#include <QPixmap>

namespace {

constexpr int kScales[] = {2, 3};

} // namespace

QIcon toolbarIcon(const QString& resourcePath) {
    const QPixmap picture(resourcePath);
    QIcon icon(picture);
    if (picture.isNull()) {
        return icon;
    }
    for (const int scale : kScales) {
        QPixmap enlarged =
            picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        // Marked as the same picture for a denser screen, so that such a screen gets it whole
        // instead of a larger copy shrunk smoothly.
        enlarged.setDevicePixelRatio(scale);
        icon.addPixmap(enlarged);
    }
    return icon;
}
