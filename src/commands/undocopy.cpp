#include "undocopy.h"

#include "picturedocument.h"

void saveUndo(PictureDocument& doc) {
    doc.undoFrame = doc.pixels[doc.k];
}
