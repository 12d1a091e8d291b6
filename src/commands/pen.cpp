#include "pen.h"

#include "picturedocument.h"
#include "undocopy.h"

void beginStroke(PictureDocument& doc, std::uint8_t button) {
    saveUndo(doc);
    doc.heldButton = button;
}

PenMark penCell(PictureDocument& doc, int x, int y) {
    if (doc.heldButton == kNoButton) {
        return PenMark::None;
    }
    doc.IZM = kTrue;
    if (doc.heldButton == kLeftButton) {
        doc.pixels[doc.k][x][y] = kCellSet;
        return PenMark::Set;
    }
    if (doc.heldButton == kRightButton) {
        doc.pixels[doc.k][x][y] = kCellClear;
        return PenMark::Cleared;
    }
    return PenMark::None;
}

void endStroke(PictureDocument& doc) {
    doc.heldButton = kNoButton;
}
