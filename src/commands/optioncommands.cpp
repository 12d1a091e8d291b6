#include "optioncommands.h"

#include "picturedocument.h"

#include <algorithm>

void toggleGrid(PictureDocument& doc) {
    doc.gridOn = isSet(doc.gridOn) ? kFalse : kTrue;
}

void setPictureSize(PictureDocument& doc, int width, int height) {
    doc.MX = std::clamp(width, 1, kMaxWidth);
    doc.MY = std::clamp(height, 1, kMaxHeight);
    doc.IZM = kTrue;
}
