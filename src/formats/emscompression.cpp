#include "emscompression.h"

namespace {

constexpr std::uint8_t kLiteralFlag = 0x80;
constexpr std::uint8_t kLiteralCountMask = 0x7F;

struct Slice {
    std::size_t length;
    std::size_t offset;
};

Slice readSlice(std::uint8_t first, std::uint8_t second) {
    return {static_cast<std::size_t>((first >> 1) & 0x3F),
            static_cast<std::size_t>((first & 0x01) << 8 | second)};
}

} // namespace

std::optional<std::vector<std::uint8_t>> decompressLzss(const std::vector<std::uint8_t>& stream) {
    std::vector<std::uint8_t> out;
    std::size_t at = 0;
    while (at < stream.size()) {
        const std::uint8_t item = stream[at];
        if ((item & kLiteralFlag) != 0) {
            const std::size_t count = item & kLiteralCountMask;
            if (count == 0 || count > stream.size() - at - 1 ||
                out.size() + count > kLargestDecompressed) {
                return std::nullopt;
            }
            out.insert(out.end(), stream.begin() + at + 1, stream.begin() + at + 1 + count);
            at += 1 + count;
            continue;
        }
        if (stream.size() - at < 2) {
            return std::nullopt;
        }
        const Slice slice = readSlice(item, stream[at + 1]);
        if (slice.length == 0 || slice.offset == 0 || slice.offset > out.size() ||
            out.size() + slice.length > kLargestDecompressed) {
            return std::nullopt;
        }
        const std::size_t from = out.size() - slice.offset;
        for (std::size_t i = 0; i < slice.length; ++i) {
            out.push_back(out[from + i]);
        }
        at += 2;
    }
    return out;
}
