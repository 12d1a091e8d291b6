#include "pixbufframes.h"

#include <cmath>
#include <cstring>

namespace {

// GdkPixbufSimpleAnim takes a rate in frames per second and shows each frame for
// (int)(1000 / rate) ms, in float. 1000.0f / delay can come out a hair too fast (36 ms would
// become 35), so the rate steps down from there to the first one that gives the whole delay.
float rateFor(int delayMs) {
    float rate = 1000.0f / static_cast<float>(delayMs);
    while (static_cast<int>(1000 / rate) < delayMs) {
        rate = std::nextafter(rate, 0.0f);
    }
    return rate;
}

} // namespace

GdkPixbuf* framePixbuf(const ViewedFile& file, int frame) {
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, file.width, file.height);
    if (pixbuf == nullptr) {
        return nullptr;
    }
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    for (int y = 0; y < file.height; ++y) {
        guchar* out = pixels + static_cast<std::size_t>(y) * stride;
        std::memset(out, 0xff, static_cast<std::size_t>(file.width) * 3);
        const std::uint8_t* in = file.row(frame, y);
        for (int x = 0; x < file.width; ++x) {
            if (in[x / 8] & (0x80 >> (x % 8))) {
                std::memset(out + 3 * x, 0, 3);
            }
        }
    }
    return pixbuf;
}

GdkPixbufAnimation* frameAnimation(const ViewedFile& file) {
    GdkPixbufSimpleAnim* animation =
        gdk_pixbuf_simple_anim_new(file.width, file.height, rateFor(file.delayMs));
    gdk_pixbuf_simple_anim_set_loop(animation, TRUE);
    for (int frame = 0; frame < file.frameCount; ++frame) {
        GdkPixbuf* pixbuf = framePixbuf(file, frame);
        if (pixbuf == nullptr) {
            g_object_unref(animation);
            return nullptr;
        }
        gdk_pixbuf_simple_anim_add_frame(animation, pixbuf);
        g_object_unref(pixbuf);
    }
    return GDK_PIXBUF_ANIMATION(animation);
}
