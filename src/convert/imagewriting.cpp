#include "imagewriting.h"

#include "refusal.h"

std::vector<std::uint8_t> pngFile(const Artwork&, const ConvertOptions& options) {
    throw Refusal(options.output + ": writing PNG is not built yet");
}

std::vector<std::uint8_t> gifFile(const Artwork&, const ConvertOptions& options) {
    throw Refusal(options.output + ": writing GIF is not built yet");
}

std::vector<std::uint8_t> bmpFile(const Artwork&, const ConvertOptions& options) {
    throw Refusal(options.output + ": writing BMP is not built yet");
}
