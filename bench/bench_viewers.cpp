// Loading the largest picture and the largest animation through the viewer modules, beside the
// same toolkit loading the same frames as a PNG and an animated GIF in the same run.

#include <benchmark/benchmark.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdlib>

namespace {

QByteArray fileBytes(const char* name) {
    QFile file(QStringLiteral(VIEWER_FILES_DIR "/") + name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A GdkPixbufLoader for the MIME type, given the whole file at once, as a viewer does.
GdkPixbufLoader* loadedPixbuf(const char* mimeType, const QByteArray& bytes) {
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_mime_type(mimeType, nullptr);
    gdk_pixbuf_loader_write(loader, reinterpret_cast<const guchar*>(bytes.constData()),
                            static_cast<gsize>(bytes.size()), nullptr);
    if (!gdk_pixbuf_loader_close(loader, nullptr)) {
        std::abort();
    }
    return loader;
}

void pixbufPicture(benchmark::State& state, const char* mimeType, const char* name) {
    const QByteArray bytes = fileBytes(name);
    for (auto _ : state) {
        GdkPixbufLoader* loader = loadedPixbuf(mimeType, bytes);
        benchmark::DoNotOptimize(gdk_pixbuf_loader_get_pixbuf(loader));
        g_object_unref(loader);
    }
}

// Loads the animation and takes every frame once, the way a viewer plays one loop.
void pixbufAnimation(benchmark::State& state, const char* mimeType, const char* name) {
    const QByteArray bytes = fileBytes(name);
    for (auto _ : state) {
        GdkPixbufLoader* loader = loadedPixbuf(mimeType, bytes);
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        GTimeVal time = {1000, 0};
        GdkPixbufAnimationIter* iter =
            gdk_pixbuf_animation_get_iter(gdk_pixbuf_loader_get_animation(loader), &time);
        for (int frame = 0; frame < 16; ++frame) {
            benchmark::DoNotOptimize(gdk_pixbuf_animation_iter_get_pixbuf(iter));
            g_time_val_add(&time, gdk_pixbuf_animation_iter_get_delay_time(iter) * 1000L);
            gdk_pixbuf_animation_iter_advance(iter, &time);
        }
        G_GNUC_END_IGNORE_DEPRECATIONS
        g_object_unref(iter);
        g_object_unref(loader);
    }
}

// Reads every image of the file through QImageReader with the format named.
void qtImages(benchmark::State& state, const char* format, const char* name) {
    QByteArray bytes = fileBytes(name);
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, format);
        for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
            benchmark::DoNotOptimize(image.constBits());
        }
    }
}

BENCHMARK_CAPTURE(pixbufPicture, ems, "image/x-ems-picture", "largest.ems");
BENCHMARK_CAPTURE(pixbufPicture, png, "image/png", "largest.png");
BENCHMARK_CAPTURE(pixbufAnimation, ema, "image/x-ema-animation", "largest.ema");
BENCHMARK_CAPTURE(pixbufAnimation, gif, "image/gif", "largest.gif");
BENCHMARK_CAPTURE(qtImages, ems, "ems", "largest.ems");
BENCHMARK_CAPTURE(qtImages, png, "png", "largest.png");
BENCHMARK_CAPTURE(qtImages, ema, "ema", "largest.ema");
BENCHMARK_CAPTURE(qtImages, gif, "gif", "largest.gif");

} // namespace

// The toolkits load this build's modules, set before either starts.
int main(int argc, char** argv) {
    setenv("GDK_PIXBUF_MODULE_FILE", MOSAIKON_PLUGIN_DIR "/loaders.cache", 1);
    setenv("QT_PLUGIN_PATH", MOSAIKON_PLUGIN_DIR, 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
