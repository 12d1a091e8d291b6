#include "documentfacts.h"

#include "picturedocument.h"

int rowBytes(int width) {
    return (width + 7) / 8;
}

int fileByteCount(const PictureDocument& doc) {
    const int frameBytes = rowBytes(doc.MX) * doc.MY;
    if (doc.kind == DocumentKind::Picture) {
        return kPictureHeaderBytes + frameBytes;
    }
    return kAnimationHeaderBytes + doc.kK * frameBytes;
}
