#include "mainwindow.h"
#include "picturedocument.h"
#include "previewbox.h"
#include "qtprompts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>

namespace {

// The largest size, every frame a different random pattern.
void fillLargest(PictureDocument& doc, DocumentKind kind, int frames) {
    doc.kind = kind;
    doc.MX = kMaxWidth;
    doc.MY = kMaxHeight;
    doc.kK = static_cast<std::uint8_t>(frames);
    doc.ka = 1;
    std::mt19937 random(1);
    for (int frame = 1; frame <= frames; ++frame)
        for (int x = 1; x <= kMaxWidth; ++x)
            for (int y = 1; y <= kMaxHeight; ++y)
                doc.pixels[frame][x][y] = (random() & 1) ? kCellSet : kCellClear;
}

// A shown main window whose document has the largest size. The window's own timer is stopped:
// the benchmarks tick it themselves.
class ShownWindow {
public:
    ShownWindow(DocumentKind kind, int frames) : window_(prompts_) {
        window_.setPreviewInterval(0);
        window_.show();
        QApplication::processEvents();
        fillLargest(window_.document(), kind, frames);
    }
    MainWindow& operator*() { return window_; }

private:
    QtPrompts prompts_;
    MainWindow window_;
};

// One tick of the preview timer: the frame into the box's image and the bar's new value. The
// painting they ask for waits for the next paint pass.
void previewTicks(benchmark::State& state, DocumentKind kind, int frames) {
    ShownWindow window(kind, frames);
    for (auto _ : state) {
        (*window).previewTick();
    }
}

void BM_PreviewTickPicture(benchmark::State& state) {
    previewTicks(state, DocumentKind::Picture, 1);
}
BENCHMARK(BM_PreviewTickPicture)->Unit(benchmark::kMicrosecond);

void BM_PreviewTickAnimation(benchmark::State& state) {
    previewTicks(state, DocumentKind::Animation, 4);
}
BENCHMARK(BM_PreviewTickAnimation)->Unit(benchmark::kMicrosecond);

// The whole cost of an animation's tick: the tick, then the paint pass it asks for (the preview
// box scaled into its border and the progress bar).
void BM_PreviewTickAndPaint(benchmark::State& state) {
    ShownWindow window(DocumentKind::Animation, 4);
    for (auto _ : state) {
        (*window).previewTick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PreviewTickAndPaint)->Unit(benchmark::kMicrosecond);

// The frame alone, written into the box's image.
void BM_PreviewShowFrame(benchmark::State& state) {
    auto doc = std::make_unique<PictureDocument>();
    fillLargest(*doc, DocumentKind::Picture, 1);
    PreviewBox box;
    for (auto _ : state) {
        box.showFrame(*doc, 1);
        benchmark::DoNotOptimize(box.image().constBits());
    }
}
BENCHMARK(BM_PreviewShowFrame)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
