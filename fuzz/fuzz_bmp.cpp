#include "bmpreader.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

// Any bytes either give a picture within the document's limits, which then lands in the current
// frame and nowhere else, or one of the errors.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto doc = [] {
        auto made = std::make_unique<PictureDocument>();
        made->kind = DocumentKind::Animation;
        made->kK = 3;
        made->k = 2;
        return made;
    }();
    const BmpResult result = decodeBmp(std::vector<std::uint8_t>(data, data + size));
    const auto* bmp = std::get_if<DecodedBmp>(&result);
    if (bmp == nullptr) {
        return 0;
    }

    const int rowBytes = bmp->storedWidth() / 8;
    const bool withinLimits = bmp->width >= 1 && bmp->width <= kMaxWidth && bmp->height >= 1 &&
                              bmp->height <= kMaxHeight && bmp->storedWidth() % 32 == 0 &&
                              bmp->storedWidth() >= bmp->width && bmp->storedWidth() <= kMaxWidth;
    // Every stored row lies inside the input.
    const bool rowsInside = size >= 14 + 12 + static_cast<std::size_t>(rowBytes) * bmp->height;
    if (!withinLimits || !rowsInside ||
        bmp->cells.size() != static_cast<std::size_t>(bmp->storedWidth()) * bmp->height) {
        std::abort();
    }
    for (const Cell cell : bmp->cells) {
        if (cell != kCellSet && cell != kCellClear) {
            std::abort();
        }
    }

    const Frame otherFrame = doc->pixels[1];
    applyBmp(*doc, *bmp);
    if (doc->MX != bmp->width || doc->MY != bmp->height || doc->k != 2 || doc->kK != 3 ||
        doc->pixels[1] != otherFrame) {
        std::abort();
    }
    for (int x = 1; x <= bmp->storedWidth(); ++x) {
        for (int y = 1; y <= bmp->height; ++y) {
            if (doc->pixels[2][x][y] != bmp->cellAt(x, y)) {
                std::abort();
            }
        }
    }
    return 0;
}
