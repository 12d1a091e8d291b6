#include "applydecoded.h"

#include "artwork.h"
#include "bmpreader.h"
#include "emscodec.h"
#include "picturedocument.h"

#include <algorithm>
#include <type_traits>

// Decoded columns are copied into the store as they are, and every size a file can give fits it.
static_assert(std::is_same_v<DecodedCell, Cell> && kDecodedSet == kCellSet);
static_assert(kMaxArtworkWidth == kMaxWidth && kMaxArtworkHeight == kMaxHeight &&
              kMaxArtworkFrames == kMaxFrames);

void applyDecoded(PictureDocument& doc, const DecodedPicture& picture) {
    const bool animation = picture.kind == ArtworkKind::Animation;
    doc.kind = animation ? DocumentKind::Animation : DocumentKind::Picture;
    doc.MX = picture.MX;
    doc.MY = picture.MY;
    doc.kK = static_cast<std::uint8_t>(picture.kK);
    if (animation) {
        doc.zZ = static_cast<std::uint8_t>(picture.zZ);
    }
    doc.k = 1;

    const int blockWidth = picture.blockWidth();
    const Cell* column = picture.cells.data();
    for (int frame = 1; frame <= picture.kK; ++frame) {
        for (int x = 1; x <= blockWidth; ++x, column += picture.MY) {
            std::copy_n(column, picture.MY, &doc.pixels[frame][x][1]);
        }
    }
}

void applyBmp(PictureDocument& doc, const DecodedBmp& bmp) {
    doc.MX = bmp.width;
    doc.MY = bmp.height;
    const Cell* column = bmp.cells.data();
    for (int x = 1; x <= bmp.storedWidth(); ++x, column += bmp.height) {
        std::copy_n(column, bmp.height, &doc.pixels[doc.k][x][1]);
    }
}

void applyArtwork(PictureDocument& doc, const Artwork& artwork) {
    applyDecoded(doc, std::get<DecodedPicture>(decode(encodeArtwork(artwork))));
}
