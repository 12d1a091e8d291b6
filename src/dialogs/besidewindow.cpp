#include "besidewindow.h"

#include <QRect>
#include <QSize>

#include <algorithm>

namespace {

// The start of a span of `length` inside [first, last], as near to `wanted` as it can be.
int keptInside(int wanted, int length, int first, int last) {
    return std::clamp(wanted, first, std::max(first, last - length + 1));
}

} // namespace

QPoint positionBeside(const QRect& anchor, const QSize& size, const QRect& available) {
    const int roomRight = available.right() - anchor.right();
    const int roomLeft = anchor.left() - available.left();
    const bool fitsRight = roomRight >= size.width();
    const bool fitsLeft = roomLeft >= size.width();
    const bool toTheRight = fitsRight || (!fitsLeft && roomRight >= roomLeft);
    const int x = toTheRight ? anchor.right() + 1 : anchor.left() - size.width();
    return {keptInside(x, size.width(), available.left(), available.right()),
            keptInside(anchor.top(), size.height(), available.top(), available.bottom())};
}
