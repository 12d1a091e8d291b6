#include "viewedfile.h"

#include "emscodec.h"
#include "emslayout.h"

#include <algorithm>

namespace {

// The codec checks the header by the editor's own rules; given the header alone, it unpacks no
// pixel byte, so the rows are taken from the file as they are stored.
DecodeResult decodeHeader(const std::uint8_t* start, std::size_t size) {
    const std::size_t headerBytes = std::min<std::size_t>(
        size, size > 0 && start[0] == kAnimationTag ? kAnimationHeaderBytes : kPictureHeaderBytes);
    return decode(std::vector<std::uint8_t>(start, start + headerBytes));
}

} // namespace

ViewResult viewFile(const std::vector<std::uint8_t>& bytes) {
    const DecodeResult result = decodeHeader(bytes.data(), bytes.size());
    if (const DecodeError* error = std::get_if<DecodeError>(&result)) {
        if (*error == DecodeError::Unsupported) {
            return ViewRefusal{"Not an EMS picture or an EMA animation"};
        }
        return ViewRefusal{"The EMS header gives a size or frame count out of range"};
    }
    const DecodedPicture& header = std::get<DecodedPicture>(result);
    ViewedFile file;
    file.width = header.MX;
    file.height = header.MY;
    file.animated = header.kind == ArtworkKind::Animation && header.kK > 1 && header.zZ > 0;
    file.delayMs = file.animated ? header.zZ * kDelayStepMs : 0;
    file.frameCount = file.animated ? header.kK : 1;

    // Rows the file lacks read as clear, as in the editor.
    const std::size_t start =
        header.kind == ArtworkKind::Animation ? kAnimationHeaderBytes : kPictureHeaderBytes;
    file.rows.assign(static_cast<std::size_t>(file.frameCount) * file.height * file.rowLength(), 0);
    if (bytes.size() > start) {
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                    std::min(file.rows.size(), bytes.size() - start), file.rows.begin());
    }
    // The last byte of a row holds width % 8 pixels in its top bits, the rest are fill bits.
    const int pixelsInLastByte = file.width % 8;
    const auto fillBits =
        static_cast<std::uint8_t>(pixelsInLastByte == 0 ? 0 : 0xff >> pixelsInLastByte);
    for (std::size_t last = file.rowLength() - 1; last < file.rows.size();
         last += file.rowLength()) {
        file.rows[last] &= static_cast<std::uint8_t>(~fillBits);
    }
    return file;
}

bool hasViewableHeader(const std::uint8_t* start, std::size_t size) {
    return std::holds_alternative<DecodedPicture>(decodeHeader(start, size));
}
