#include "newdocument.h"

#include "currentfile.h"
#include "picturedocument.h"

namespace {

// Both New commands empty every frame, the undo copy and the clipboard, and forget the file.
void clearEverything(PictureDocument& doc) {
    forgetCurrentFile(doc);
    doc.pixels = {};
    doc.undoFrame = {};
    doc.clipFrame = {};
    doc.k = 1;
}

} // namespace

void newPicture(PictureDocument& doc) {
    clearEverything(doc);
    doc.kind = DocumentKind::Picture;
    doc.kK = 1;
}

void newAnimation(PictureDocument& doc) {
    clearEverything(doc);
    doc.kind = DocumentKind::Animation;
    doc.kK = 4;
    doc.zZ = 16;
    doc.MX = 16;
    doc.MY = 16;
}
