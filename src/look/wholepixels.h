#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class QPainter;
class QRect;

// Pixel art at any device pixel ratio: the picture enlarged by the largest whole factor that fits
// (at least 1), each pixel a square block of device pixels, centred on a background. At 150 %
// Qt would otherwise stretch a picture by 1.5, smoothing it into blur or making every other
// pixel twice as wide as its neighbour.

// The picture enlarged so into an image of `deviceSize` device pixels.
QImage wholePixelImage(const QImage& picture, QSize deviceSize, const QColor& background);

// Draws the picture so over the widget area `area`, which it fills with the background.
void drawWholePixels(QPainter& painter, const QRect& area, const QImage& picture,
                     const QColor& background);
