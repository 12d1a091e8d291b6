#include "clipboardcommands.h"

#include "picturedocument.h"
#include "undocopy.h"

#include <utility>

// Whole frames are copied and compared as arrays. That takes index 0 of each axis along too,
// which nothing ever writes, so it stays 0 everywhere and changes nothing.

namespace {

bool isBlank(const Frame& frame) {
    static const Frame blank{};
    return frame == blank;
}

void clearCurrentFrame(PictureDocument& doc) {
    Frame& frame = doc.pixels[doc.k];
    if (isBlank(frame))
        return;
    frame = {};
    doc.IZM = kTrue;
}

} // namespace

void undoEdit(PictureDocument& doc) {
    Frame& frame = doc.pixels[doc.k];
    if (frame == doc.undoFrame)
        return;
    std::swap(frame, doc.undoFrame);
    doc.IZM = kTrue;
}

void cutFrame(PictureDocument& doc) {
    copyFrame(doc);
    clearCurrentFrame(doc);
}

void copyFrame(PictureDocument& doc) {
    doc.clipFrame = doc.pixels[doc.k];
}

void pasteFrame(PictureDocument& doc) {
    saveUndo(doc);
    Frame& frame = doc.pixels[doc.k];
    if (frame == doc.clipFrame)
        return;
    frame = doc.clipFrame;
    doc.IZM = kTrue;
}

void eraseFrame(PictureDocument& doc) {
    saveUndo(doc);
    clearCurrentFrame(doc);
}
