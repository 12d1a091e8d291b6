#include "artwork.h"
#include "emscodec.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Whether the pixbuf is the frame at its true size: opaque RGB, set pixels black, clear white.
bool showsFrame(GdkPixbuf* pixbuf, const Artwork& artwork, int frame) {
    if (gdk_pixbuf_get_n_channels(pixbuf) != 3 || gdk_pixbuf_get_has_alpha(pixbuf) ||
        gdk_pixbuf_get_width(pixbuf) != artwork.width ||
        gdk_pixbuf_get_height(pixbuf) != artwork.height) {
        return false;
    }
    const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < artwork.height; ++y) {
        for (int x = 0; x < artwork.width; ++x) {
            const guchar* pixel = pixels + y * stride + 3 * x;
            const guchar wanted = artwork.isSet(frame, x, y) ? 0 : 255;
            if (pixel[0] != wanted || pixel[1] != wanted || pixel[2] != wanted) {
                return false;
            }
        }
    }
    return true;
}

// Steps through one loop and into the next, frame by frame, by the file's delay.
bool playsFrames(GdkPixbufAnimation* animation, const Artwork& artwork) {
    const int frameCount = static_cast<int>(artwork.frames.size());
    const int delay = artwork.zZ * 12;
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    GTimeVal time = {1000, 0};
    GdkPixbufAnimationIter* iter = gdk_pixbuf_animation_get_iter(animation, &time);
    bool right = true;
    for (int step = 0; step <= frameCount && right; ++step) {
        right = gdk_pixbuf_animation_iter_get_delay_time(iter) == delay &&
                showsFrame(gdk_pixbuf_animation_iter_get_pixbuf(iter), artwork, step % frameCount);
        g_time_val_add(&time, delay * 1000L);
        gdk_pixbuf_animation_iter_advance(iter, &time);
    }
    G_GNUC_END_IGNORE_DEPRECATIONS
    g_object_unref(iter);
    return right;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("GDK_PIXBUF_MODULE_FILE", MOSAIKON_LOADERS_CACHE, 1);
    // The module is loaded before fuzzing starts, so that its coverage counts from the first input.
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_mime_type("image/x-ems-picture", nullptr);
    if (loader == nullptr) {
        std::abort();
    }
    gdk_pixbuf_loader_close(loader, nullptr);
    g_object_unref(loader);
    return 0;
}

// The first byte picks the MIME type and the chunk sizes, the rest is the file. The loader gives
// exactly what the editor's decoder reads, frame 1 and every frame of a playing animation, or an
// error where the decoder refuses the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t seed = data[0];
    const std::vector<std::uint8_t> file(data + 1, data + size);
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_mime_type(
        seed & 1 ? "image/x-ema-animation" : "image/x-ems-picture", nullptr);
    bool loaded = true;
    std::uint32_t state = seed | 0x100u;
    for (std::size_t at = 0; at < file.size() && loaded;) {
        state = state * 1103515245u + 12345u;
        const std::size_t chunk = std::min<std::size_t>(1 + (state >> 16) % 4096, file.size() - at);
        loaded = gdk_pixbuf_loader_write(loader, file.data() + at, chunk, nullptr);
        at += chunk;
    }
    loaded = gdk_pixbuf_loader_close(loader, nullptr) && loaded;

    const DecodeResult decoded = decode(file);
    const auto* picture = std::get_if<DecodedPicture>(&decoded);
    if (loaded != (picture != nullptr)) {
        std::abort();
    }
    if (picture != nullptr) {
        const Artwork artwork = artworkFrom(*picture);
        const bool plays = artwork.frames.size() > 1 && artwork.zZ > 0;
        GdkPixbufAnimation* animation = gdk_pixbuf_loader_get_animation(loader);
        if (!showsFrame(gdk_pixbuf_loader_get_pixbuf(loader), artwork, 0) ||
            gdk_pixbuf_animation_is_static_image(animation) == plays ||
            (plays && !playsFrames(animation, artwork))) {
            std::abort();
        }
    }
    g_object_unref(loader);
    return 0;
}
