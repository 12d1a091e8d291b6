#include "viewercases.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

std::string mimeTypeOf(const std::string& name) {
    return name.size() > 4 && name.substr(name.size() - 4) == ".ema" ? "image/x-ema-animation"
                                                                     : "image/x-ems-picture";
}

void expectFrame(GdkPixbuf* pixbuf, const Artwork& artwork, int frame, const std::string& what) {
    ASSERT_NE(pixbuf, nullptr) << what;
    ASSERT_EQ(gdk_pixbuf_get_n_channels(pixbuf), 3) << what;
    ASSERT_FALSE(gdk_pixbuf_get_has_alpha(pixbuf)) << what;
    ASSERT_EQ(gdk_pixbuf_get_width(pixbuf), artwork.width) << what;
    ASSERT_EQ(gdk_pixbuf_get_height(pixbuf), artwork.height) << what;
    const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < artwork.height; ++y) {
        for (int x = 0; x < artwork.width; ++x) {
            const guchar* pixel = pixels + y * stride + 3 * x;
            const int wanted = artwork.isSet(frame, x, y) ? 0 : 255;
            ASSERT_TRUE(pixel[0] == wanted && pixel[1] == wanted && pixel[2] == wanted)
                << what << " frame " << frame << " at " << x << ", " << y;
        }
    }
}

// Plays one loop and the first frame of the next, each frame for its delay.
void expectPlays(GdkPixbufAnimation* animation, const Artwork& artwork, const std::string& what) {
    ASSERT_FALSE(gdk_pixbuf_animation_is_static_image(animation)) << what;
    const int frames = static_cast<int>(artwork.frames.size());
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    GTimeVal time = {1000, 0};
    GdkPixbufAnimationIter* iter = gdk_pixbuf_animation_get_iter(animation, &time);
    for (int step = 0; step <= frames; ++step) {
        EXPECT_EQ(gdk_pixbuf_animation_iter_get_delay_time(iter), artwork.zZ * 12) << what;
        expectFrame(gdk_pixbuf_animation_iter_get_pixbuf(iter), artwork, step % frames, what);
        g_time_val_add(&time, artwork.zZ * 12 * 1000L);
        gdk_pixbuf_animation_iter_advance(iter, &time);
    }
    G_GNUC_END_IGNORE_DEPRECATIONS
    g_object_unref(iter);
}

void expectLoaded(GdkPixbufAnimation* animation, GError* error, const ViewerCase& file,
                  const std::string& how) {
    const std::string what = file.name + " " + how;
    if (!file.expected) {
        EXPECT_EQ(animation, nullptr) << what;
        ASSERT_NE(error, nullptr) << what;
        EXPECT_EQ(error->domain, GDK_PIXBUF_ERROR) << what << ": " << error->message;
        return;
    }
    ASSERT_NE(animation, nullptr) << what << ": " << (error ? error->message : "");
    expectFrame(gdk_pixbuf_animation_get_static_image(animation), *file.expected, 0, what);
    if (file.plays) {
        expectPlays(animation, *file.expected, what);
    } else {
        EXPECT_TRUE(gdk_pixbuf_animation_is_static_image(animation)) << what;
    }
}

TEST(PixbufLoader, ReadsWhatTheEditorReadsByteByByteAndByName) {
    QTemporaryDir folder;
    for (const ViewerCase& file : viewerCases()) {
        GdkPixbufLoader* loader =
            gdk_pixbuf_loader_new_with_mime_type(mimeTypeOf(file.name).c_str(), nullptr);
        ASSERT_NE(loader, nullptr);
        GError* error = nullptr;
        bool written = true;
        for (std::size_t at = 0; at < file.bytes.size() && written; ++at) {
            written = gdk_pixbuf_loader_write(loader, &file.bytes[at], 1, &error);
        }
        const bool closed = gdk_pixbuf_loader_close(loader, written ? &error : nullptr);
        EXPECT_EQ(written && closed, file.expected.has_value()) << file.name;
        expectLoaded(closed ? gdk_pixbuf_loader_get_animation(loader) : nullptr, error, file,
                     "fed byte by byte");
        g_clear_error(&error);
        g_object_unref(loader);

        // By name, as a viewer opens a file: gdk-pixbuf picks the module from the MIME type.
        const QString path = folder.filePath(QString::fromStdString(file.name));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  static_cast<qint64>(file.bytes.size()));
        out.close();
        GdkPixbufAnimation* animation =
            gdk_pixbuf_animation_new_from_file(path.toUtf8().constData(), &error);
        expectLoaded(animation, error, file, "from a file");
        g_clear_error(&error);
        g_clear_object(&animation);
    }
}

// The files have no magic number: only their names lead gdk-pixbuf to the module.
TEST(PixbufLoader, TakesNoOtherFileAndNoFileUnderAnotherName) {
    QTemporaryDir folder;
    const ViewerCase picture = viewerCases().front();
    GdkPixbuf* white = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, 3, 2);
    gdk_pixbuf_fill(white, 0xffffffff);
    gchar* png = nullptr;
    gsize pngSize = 0;
    ASSERT_TRUE(gdk_pixbuf_save_to_buffer(white, &png, &pngSize, "png", nullptr, nullptr));
    g_object_unref(white);

    struct Case {
        const char* name;
        QByteArray bytes;
        const char* format; // the module that must read it, or none
    };
    const QByteArray emsBytes(reinterpret_cast<const char*>(picture.bytes.data()),
                              static_cast<int>(picture.bytes.size()));
    const Case cases[] = {
        {"picture.png", emsBytes, nullptr},
        {"picture.bin", emsBytes, nullptr},
        {"picture", emsBytes, nullptr},
        {"photo.ems", QByteArray(png, static_cast<int>(pngSize)), "png"},
        {"notes.txt", "hello\n", nullptr},
        {"notes.ems", "hello\n", nullptr},
    };
    g_free(png);
    for (const Case& file : cases) {
        const QString path = folder.filePath(file.name);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.bytes);
        out.close();
        GdkPixbufFormat* format =
            gdk_pixbuf_get_file_info(path.toUtf8().constData(), nullptr, nullptr);
        GError* error = nullptr;
        GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(path.toUtf8().constData(), &error);
        if (file.format == nullptr) {
            EXPECT_EQ(pixbuf, nullptr) << file.name;
            EXPECT_NE(error, nullptr) << file.name;
        } else {
            ASSERT_NE(format, nullptr) << file.name;
            gchar* name = gdk_pixbuf_format_get_name(format);
            EXPECT_STREQ(name, file.format) << file.name;
            g_free(name);
            EXPECT_NE(pixbuf, nullptr) << file.name;
        }
        g_clear_error(&error);
        g_clear_object(&pixbuf);
    }

    // A loader that guesses from the bytes alone never reaches the module.
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
    gdk_pixbuf_loader_write(loader, picture.bytes.data(), picture.bytes.size(), nullptr);
    EXPECT_FALSE(gdk_pixbuf_loader_close(loader, nullptr));
    EXPECT_EQ(gdk_pixbuf_loader_get_pixbuf(loader), nullptr);
    g_object_unref(loader);
}

} // namespace
