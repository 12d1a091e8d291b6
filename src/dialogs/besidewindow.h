#pragma once

#include <QPoint>

class QRect;
class QSize;

// Where a window of the outer size `size` goes beside the window whose outer frame is `anchor`,
// within the screen area `available`: to the anchor's right, else to its left, their tops level.
// When neither side has room it takes the roomier one and is pushed back onto the screen, over
// part of the anchor; it never leaves the screen where it fits on it.
QPoint positionBeside(const QRect& anchor, const QSize& size, const QRect& available);
