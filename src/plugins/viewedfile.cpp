#include "viewedfile.h"

#include "emscodec.h"

#include <algorithm>

ViewResult viewFile(const std::vector<std::uint8_t>& bytes) {
    const DecodeResult result = decode(bytes);
    if (const DecodeError* error = std::get_if<DecodeError>(&result)) {
        if (*error == DecodeError::Unsupported) {
            return ViewRefusal{"Not an EMS picture or an EMA animation"};
        }
        return ViewRefusal{"The EMS header gives a size or frame count out of range"};
    }
    ViewedFile file;
    file.artwork = artworkFrom(std::get<DecodedPicture>(result));
    file.animated = file.artwork.kind == DocumentKind::Animation &&
                    file.artwork.frames.size() > 1 && file.artwork.zZ > 0;
    file.delayMs = file.animated ? file.artwork.zZ * kDelayStepMs : 0;
    return file;
}

bool hasViewableHeader(const std::uint8_t* start, std::size_t size) {
    // Decoding the header alone applies the editor's own checks; the pixels it lacks read as clear.
    const std::size_t headerBytes = std::min<std::size_t>(size, kAnimationHeaderBytes);
    return std::holds_alternative<DecodedPicture>(
        decode(std::vector<std::uint8_t>(start, start + headerBytes)));
}
