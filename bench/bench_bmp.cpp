#include "applydecoded.h"
#include "bmpreader.h"
#include "picturedocument.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace {

// A 128 x 96 two-colour file as the usual programs write it: 40-byte header, black and white
// palette, rows bottom up from offset 62, random pixels. 1598 bytes.
std::vector<std::uint8_t> largestBmp() {
    constexpr std::uint32_t rowsStart = 62;
    constexpr std::uint32_t rowBytes = kMaxWidth / 8;
    constexpr std::uint32_t fileBytes = rowsStart + rowBytes * kMaxHeight;
    std::vector<std::uint8_t> bytes(fileBytes, 0);
    const auto put32 = [&bytes](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, fileBytes);
    put32(10, rowsStart);
    put32(14, 40);
    put32(18, kMaxWidth);
    put32(22, kMaxHeight);
    bytes[26] = 1; // planes
    bytes[28] = 1; // bits per pixel
    put32(58, 0x00FFFFFF);
    std::mt19937 random(5);
    for (std::size_t at = rowsStart; at < bytes.size(); ++at) {
        bytes[at] = static_cast<std::uint8_t>(random());
    }
    return bytes;
}

void BM_DecodeLargestBmp(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = largestBmp();
    for (auto _ : state) {
        benchmark::DoNotOptimize(decodeBmp(bytes));
    }
}
BENCHMARK(BM_DecodeLargestBmp)->Unit(benchmark::kMicrosecond);

// What Import spends on the bytes: checking, decoding and writing the frame into the document.
void BM_ImportLargestBmp(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = largestBmp();
    auto doc = std::make_unique<PictureDocument>();
    for (auto _ : state) {
        const BmpResult result = decodeBmp(bytes);
        applyBmp(*doc, std::get<DecodedBmp>(result));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ImportLargestBmp)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
