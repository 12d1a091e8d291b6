#include "emscodec.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

// Any bytes either decode into a document within the limits or give one of the two errors. A
// decoded file written back gives the bytes it came from, missing pixel bytes as zeros.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto doc = std::make_unique<PictureDocument>();
    const std::vector<std::uint8_t> bytes(data, data + size);
    const DecodeResult result = decode(bytes);
    const auto* picture = std::get_if<DecodedPicture>(&result);
    if (picture == nullptr) {
        return 0;
    }

    const bool withinLimits = picture->MX >= 1 && picture->MX <= kMaxWidth && picture->MY >= 1 &&
                              picture->MY <= kMaxHeight && picture->kK >= 1 &&
                              picture->kK <= kMaxFrames;
    const std::size_t cellCount =
        static_cast<std::size_t>(picture->kK) * picture->blockWidth() * picture->MY;
    if (!withinLimits || picture->cells.size() != cellCount) {
        std::abort();
    }
    for (const Cell cell : picture->cells) {
        if (cell != kCellSet && cell != kCellClear) {
            std::abort();
        }
    }

    applyDecoded(*doc, *picture);
    const std::vector<std::uint8_t> written = encode(*doc);
    for (std::size_t i = 0; i < written.size(); ++i) {
        const std::uint8_t original = i < bytes.size() ? bytes[i] : 0;
        if (written[i] != original) {
            std::abort();
        }
    }
    return 0;
}
