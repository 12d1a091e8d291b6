#include "wholepixels.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>

QImage wholePixelImage(const QImage& picture, QSize deviceSize, const QColor& background) {
    QImage result(deviceSize, QImage::Format_ARGB32_Premultiplied);
    result.fill(background);
    if (picture.isNull()) {
        return result;
    }
    const int factor = std::max(
        1, std::min(deviceSize.width() / picture.width(), deviceSize.height() / picture.height()));
    const QImage enlarged =
        picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter painter(&result);
    painter.drawImage((deviceSize.width() - enlarged.width()) / 2,
                      (deviceSize.height() - enlarged.height()) / 2, enlarged);
    return result;
}

void drawWholePixels(QPainter& painter, const QRect& area, const QImage& picture,
                     const QColor& background) {
    const qreal ratio = painter.device()->devicePixelRatio();
    const QSize deviceSize(static_cast<int>(std::lround(area.width() * ratio)),
                           static_cast<int>(std::lround(area.height() * ratio)));
    QImage image = wholePixelImage(picture, deviceSize, background);
    image.setDevicePixelRatio(ratio);
    painter.drawImage(area.topLeft(), image);
}
