#include "toolbaricon.h"

#include "pixelarticonengine.h"

#include <QImage>

QIcon toolbarIcon(const QString& resourcePath) {
    return QIcon(new PixelArtIconEngine({QImage(resourcePath)}));
}
