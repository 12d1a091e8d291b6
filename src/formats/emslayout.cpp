#include "emslayout.h"

int rowBytes(int width) {
    return (width + 7) / 8;
}

int fileByteCount(const EmsHeader& header) {
    const int frameBytes = rowBytes(header.MX) * header.MY;
    if (header.kind == ArtworkKind::Picture) {
        return kPictureHeaderBytes + frameBytes;
    }
    return kAnimationHeaderBytes + header.kK * frameBytes;
}
