#pragma once

#include <QIconEngine>
#include <QImage>
#include <QList>

// An icon drawn from small pictures, pixel art, for any size and device pixel ratio with whole
// blocks of device pixels: of its pictures, the one that an enlargement by a whole factor makes
// largest within the size asked for, enlarged so and centred. Never smoothed, so the icon has only
// the colours of its pictures, also at 125 % or 150 %, where Qt would shrink a doubled picture.
class PixelArtIconEngine : public QIconEngine {
public:
    explicit PixelArtIconEngine(QList<QImage> pictures);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    QList<QImage> pictures_;
};
