#include "fieldimage.h"
#include "picturedocument.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

// The largest picture on a field that fills a 1920 x 1080 screen, grid on.
std::unique_ptr<PictureDocument> largestPicture() {
    auto doc = std::make_unique<PictureDocument>();
    doc->MX = kMaxWidth;
    doc->MY = kMaxHeight;
    std::mt19937 random(1);
    for (int x = 1; x <= kMaxWidth; ++x) {
        for (int y = 1; y <= kMaxHeight; ++y) {
            doc->pixels[1][x][y] = (random() & 1) ? kCellSet : kCellClear;
        }
    }
    return doc;
}

void BM_FullRedraw(benchmark::State& state) {
    auto doc = largestPicture();
    FieldImage field;
    field.resize(QSize(1916, 1076), 1.0);
    for (auto _ : state) {
        field.renderAll(*doc);
        benchmark::DoNotOptimize(field.image().constBits());
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_PenCell(benchmark::State& state) {
    auto doc = largestPicture();
    FieldImage field;
    field.resize(QSize(1916, 1076), 1.0);
    field.renderAll(*doc);
    bool set = false;
    for (auto _ : state) {
        set = !set;
        benchmark::DoNotOptimize(field.renderCell(*doc, 64, 48, set));
    }
}
BENCHMARK(BM_PenCell)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
