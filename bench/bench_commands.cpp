#include "clipboardcommands.h"
#include "picturedocument.h"
#include "scrollcommands.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A full 128 x 96 picture with an irregular drawing, so that every scroll changes the frame.
std::unique_ptr<PictureDocument> largestPicture() {
    auto doc = std::make_unique<PictureDocument>();
    doc->MX = kMaxWidth;
    doc->MY = kMaxHeight;
    for (int x = 1; x <= kMaxWidth; ++x)
        for (int y = 1; y <= kMaxHeight; ++y)
            doc->pixels[1][x][y] = (x * 7 + y * 13) % 5 == 0 ? kCellSet : kCellClear;
    return doc;
}

template <void (*Scroll)(PictureDocument&)> void BM_Scroll(benchmark::State& state) {
    auto doc = largestPicture();
    for (auto _ : state) {
        Scroll(*doc);
        benchmark::ClobberMemory();
    }
}
BENCHMARK_TEMPLATE(BM_Scroll, scrollUp)->Name("BM_ScrollUp");
BENCHMARK_TEMPLATE(BM_Scroll, scrollDown)->Name("BM_ScrollDown");
BENCHMARK_TEMPLATE(BM_Scroll, scrollLeft)->Name("BM_ScrollLeft");
BENCHMARK_TEMPLATE(BM_Scroll, scrollRight)->Name("BM_ScrollRight");

// The dearest paste: the frame differs from the clipboard only in its very last cell, so the
// comparison runs to the end and the whole frame is copied after it.
void BM_PasteFrame(benchmark::State& state) {
    auto doc = largestPicture();
    doc->clipFrame = doc->pixels[1];
    for (auto _ : state) {
        doc->pixels[1][kMaxWidth][kMaxHeight] ^= kCellSet;
        pasteFrame(*doc);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PasteFrame);

} // namespace

BENCHMARK_MAIN();
