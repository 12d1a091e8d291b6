#include "thumbnail.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uchar kBlack = 0;
constexpr uchar kWhite = 255;

} // namespace

int thumbnailScale(int width, int height, int size) {
    return std::max(1, std::min(size / width, size / height));
}

QImage thumbnailImage(const DecodedPicture& picture, int size) {
    const int scale = thumbnailScale(picture.MX, picture.MY, size);
    QImage image(picture.MX * scale, picture.MY * scale, QImage::Format_Grayscale8);
    image.fill(kWhite);
    for (int y = 1; y <= picture.MY; ++y) {
        uchar* firstRow = image.scanLine((y - 1) * scale);
        for (int x = 1; x <= picture.MX; ++x) {
            if (isSet(picture.cellAt(1, x, y))) {
                std::memset(firstRow + (x - 1) * scale, kBlack, static_cast<std::size_t>(scale));
            }
        }
        for (int row = 1; row < scale; ++row) {
            std::memcpy(image.scanLine((y - 1) * scale + row), firstRow,
                        static_cast<std::size_t>(image.width()));
        }
    }
    return image;
}
