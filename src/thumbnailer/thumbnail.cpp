#include "thumbnail.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint8_t kBlack = 0;
constexpr std::uint8_t kWhite = 255;

} // namespace

int thumbnailScale(int width, int height, int size) {
    return std::max(1, std::min(size / width, size / height));
}

GreyImage thumbnailImage(const DecodedPicture& picture, int size) {
    const int scale = thumbnailScale(picture.MX, picture.MY, std::min(size, kLargestThumbnailSize));
    GreyImage image;
    image.width = picture.MX * scale;
    image.height = picture.MY * scale;
    image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, kWhite);
    for (int y = 1; y <= picture.MY; ++y) {
        std::uint8_t* firstRow = image.row((y - 1) * scale);
        for (int x = 1; x <= picture.MX; ++x) {
            if (picture.cellAt(1, x, y) != kDecodedClear) {
                std::memset(firstRow + (x - 1) * scale, kBlack, static_cast<std::size_t>(scale));
            }
        }
        for (int row = 1; row < scale; ++row) {
            std::memcpy(image.row((y - 1) * scale + row), firstRow,
                        static_cast<std::size_t>(image.width));
        }
    }
    return image;
}
