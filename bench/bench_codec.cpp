#include "applydecoded.h"
#include "documentbytes.h"
#include "emscodec.h"
#include "picturedocument.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

// The largest file there is: a 128 x 96 animation of 16 frames, 24581 bytes, random cells.
std::unique_ptr<PictureDocument> largestAnimation() {
    auto doc = std::make_unique<PictureDocument>();
    doc->kind = DocumentKind::Animation;
    doc->MX = kMaxWidth;
    doc->MY = kMaxHeight;
    doc->kK = kMaxFrames;
    doc->zZ = 16;
    std::mt19937 random(1);
    for (Frame& frame : doc->pixels) {
        for (auto& column : frame) {
            for (Cell& cell : column) {
                cell = (random() & 1) ? kCellSet : kCellClear;
            }
        }
    }
    return doc;
}

void BM_EncodeLargestAnimation(benchmark::State& state) {
    const auto doc = largestAnimation();
    for (auto _ : state) {
        benchmark::DoNotOptimize(encode(*doc));
    }
}
BENCHMARK(BM_EncodeLargestAnimation)->Unit(benchmark::kMicrosecond);

void BM_DecodeLargestAnimation(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = encode(*largestAnimation());
    for (auto _ : state) {
        benchmark::DoNotOptimize(decode(bytes));
    }
}
BENCHMARK(BM_DecodeLargestAnimation)->Unit(benchmark::kMicrosecond);

// What Open spends on the bytes: decoding and writing the cells into the document.
void BM_DecodeAndApplyLargestAnimation(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = encode(*largestAnimation());
    auto doc = std::make_unique<PictureDocument>();
    for (auto _ : state) {
        const DecodeResult result = decode(bytes);
        applyDecoded(*doc, std::get<DecodedPicture>(result));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeAndApplyLargestAnimation)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
