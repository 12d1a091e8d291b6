#include "documentbytes.h"

#include "emscodec.h"
#include "picturedocument.h"

#include <type_traits>

namespace {

// The codec reads the store's columns where they lie, so its cells must be the store's, and the
// frames and columns must follow each other without gaps.
static_assert(std::is_same_v<DecodedCell, Cell> && kDecodedSet == kCellSet);
static_assert(sizeof(Frame) == sizeof(Cell) * (kMaxWidth + 1) * (kMaxHeight + 1));

EmsHeader headerOf(const PictureDocument& doc) {
    EmsHeader header;
    header.kind = isAnimation(doc) ? ArtworkKind::Animation : ArtworkKind::Picture;
    header.MX = doc.MX;
    header.MY = doc.MY;
    header.kK = isAnimation(doc) ? doc.kK : 1;
    header.zZ = isAnimation(doc) ? doc.zZ : 0;
    return header;
}

} // namespace

std::vector<std::uint8_t> encode(const PictureDocument& doc) {
    // Frame f starts at pixels[f][1][1]; a column is one row of the [x][y] array.
    const CellColumns store{&doc.pixels[1][1][1], sizeof(Frame) / sizeof(Cell),
                            doc.pixels[1][1].size()};
    return encode(headerOf(doc), store);
}

int fileByteCount(const PictureDocument& doc) {
    return fileByteCount(headerOf(doc));
}
