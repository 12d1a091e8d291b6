#include "pixelarticonengine.h"

#include "wholepixels.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <utility>

namespace {

// The picture whose largest whole enlargement within `size` is the largest.
const QImage& bestPicture(const QList<QImage>& pictures, const QSize& size) {
    const QImage* best = &pictures.front();
    int bestWidth = 0;
    for (const QImage& picture : pictures) {
        const int factor =
            std::min(size.width() / picture.width(), size.height() / picture.height());
        if (factor * picture.width() > bestWidth) {
            best = &picture;
            bestWidth = factor * picture.width();
        }
    }
    return *best;
}

} // namespace

PixelArtIconEngine::PixelArtIconEngine(QList<QImage> pictures) : pictures_(std::move(pictures)) {
    pictures_.removeIf([](const QImage& picture) { return picture.isNull(); });
}

// `size` is in device pixels; the pixmap has exactly that many, so that Qt draws it unscaled.
QPixmap PixelArtIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                                         qreal scale) {
    if (pictures_.isEmpty() || size.isEmpty()) {
        return {};
    }
    QPixmap pixmap =
        QPixmap::fromImage(wholePixelImage(bestPicture(pictures_, size), size, Qt::transparent));
    if (mode != QIcon::Normal) {
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

QPixmap PixelArtIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

void PixelArtIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                               QIcon::State state) {
    const qreal ratio = painter->device()->devicePixelRatio();
    painter->drawPixmap(rect.topLeft(), scaledPixmap(rect.size() * ratio, mode, state, ratio));
}

QList<QSize> PixelArtIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const QImage& picture : pictures_) {
        sizes.append(picture.size());
    }
    return sizes;
}

QIconEngine* PixelArtIconEngine::clone() const {
    return new PixelArtIconEngine(pictures_);
}

QString PixelArtIconEngine::key() const {
    return QStringLiteral("PixelArtIconEngine");
}

bool PixelArtIconEngine::isNull() {
    return pictures_.isEmpty();
}
