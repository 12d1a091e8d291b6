#include "scrollcommands.h"

#include "picturedocument.h"

// The store is indexed [x][y], so a column of cells lies contiguous in memory: the vertical
// scrolls shift within each column, the horizontal ones copy whole columns. Each copy notes
// whether it overwrote a different value, which tells whether the scroll changed the frame. The
// line that wraps around needs no check of its own: when no moved cell changed, every line of the
// picture equals its neighbour, so the wrapped line lands on an equal one.

namespace {

// Copies cells 1..count from one line into another; true when a target cell changed.
bool copyCells(const Cell* from, Cell* to, int count) {
    bool changed = false;
    for (int i = 1; i <= count; ++i) {
        changed |= to[i] != from[i];
        to[i] = from[i];
    }
    return changed;
}

void markModifiedIf(PictureDocument& doc, bool changed) {
    if (changed)
        doc.IZM = kTrue;
}

} // namespace

void scrollUp(PictureDocument& doc) {
    Frame& frame = doc.pixels[doc.k];
    bool changed = false;
    for (int x = 1; x <= doc.MX; ++x) {
        Cell* column = frame[x].data();
        doc.lineBuffer[x] = column[1];
        // Cell y takes cell y + 1 in rising y, so each is read before it is overwritten.
        changed |= copyCells(column + 1, column, doc.MY - 1);
        column[doc.MY] = doc.lineBuffer[x];
    }
    markModifiedIf(doc, changed);
}

void scrollDown(PictureDocument& doc) {
    Frame& frame = doc.pixels[doc.k];
    bool changed = false;
    for (int x = 1; x <= doc.MX; ++x) {
        Cell* column = frame[x].data();
        doc.lineBuffer[x] = column[doc.MY];
        // Cell y takes cell y - 1 in falling y, so each is read before it is overwritten.
        for (int y = doc.MY; y >= 2; --y) {
            changed |= column[y] != column[y - 1];
            column[y] = column[y - 1];
        }
        column[1] = doc.lineBuffer[x];
    }
    markModifiedIf(doc, changed);
}

void scrollLeft(PictureDocument& doc) {
    Frame& frame = doc.pixels[doc.k];
    copyCells(frame[1].data(), doc.lineBuffer.data(), doc.MY);
    bool changed = false;
    for (int x = 1; x < doc.MX; ++x)
        changed |= copyCells(frame[x + 1].data(), frame[x].data(), doc.MY);
    copyCells(doc.lineBuffer.data(), frame[doc.MX].data(), doc.MY);
    markModifiedIf(doc, changed);
}

void scrollRight(PictureDocument& doc) {
    Frame& frame = doc.pixels[doc.k];
    copyCells(frame[doc.MX].data(), doc.lineBuffer.data(), doc.MY);
    bool changed = false;
    for (int x = doc.MX; x >= 2; --x)
        changed |= copyCells(frame[x - 1].data(), frame[x].data(), doc.MY);
    copyCells(doc.lineBuffer.data(), frame[1].data(), doc.MY);
    markModifiedIf(doc, changed);
}
