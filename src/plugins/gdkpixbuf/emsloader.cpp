// The gdk-pixbuf loader module for .ems pictures and .ema animations. gdk-pixbuf finds it by
// MIME type: the files carry no magic number, so the module declares no signature, and only a
// name the MIME database maps to one of its types (or a loader made for that type) reaches it.
// It runs inside other people's programs on downloaded files: nothing here exits, aborts or lets
// an exception out.

#define GDK_PIXBUF_ENABLE_BACKEND
#include <gdk-pixbuf/gdk-pixbuf-io.h>

#include "emslayout.h"
#include "pixbufframes.h"
#include "viewedfile.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

struct LoadContext {
    GdkPixbufModuleSizeFunc sizeFunc;
    GdkPixbufModulePreparedFunc preparedFunc;
    GdkPixbufModuleUpdatedFunc updatedFunc;
    gpointer userData;
    // The file's first kLargestFileBytes; the module reads no more, whatever follows.
    std::vector<std::uint8_t> bytes;
};

void setError(GError** error, GdkPixbufError code, const char* message) {
    g_set_error_literal(error, GDK_PIXBUF_ERROR, code, message);
}

void setOutOfMemory(GError** error) {
    setError(error, GDK_PIXBUF_ERROR_INSUFFICIENT_MEMORY,
             "Not enough memory to load the EMS picture");
}

gpointer beginLoad(GdkPixbufModuleSizeFunc sizeFunc, GdkPixbufModulePreparedFunc preparedFunc,
                   GdkPixbufModuleUpdatedFunc updatedFunc, gpointer userData,
                   GError** error) noexcept {
    try {
        auto* context = new LoadContext{sizeFunc, preparedFunc, updatedFunc, userData, {}};
        context->bytes.reserve(kLargestFileBytes);
        return context;
    } catch (const std::bad_alloc&) {
        setOutOfMemory(error);
        return nullptr;
    }
}

gboolean loadIncrement(gpointer data, const guchar* buffer, guint size, GError**) noexcept {
    auto* context = static_cast<LoadContext*>(data);
    // The room was reserved in beginLoad, so this never allocates.
    const std::size_t room = kLargestFileBytes - context->bytes.size();
    context->bytes.insert(context->bytes.end(), buffer, buffer + std::min<std::size_t>(size, room));
    return TRUE;
}

// Hands the picture, and for a playing file the animation, to gdk-pixbuf.
gboolean deliver(const LoadContext& context, const ViewedFile& file, GError** error) {
    int width = file.width;
    int height = file.height;
    context.sizeFunc(&width, &height, context.userData);
    // A caller that only wanted the size (gdk_pixbuf_get_file_info) asks for none.
    if (width == 0 || height == 0) {
        setError(error, GDK_PIXBUF_ERROR_FAILED, "No picture was asked for");
        return FALSE;
    }
    GdkPixbufAnimation* animation = file.animated ? frameAnimation(file) : nullptr;
    GdkPixbuf* first =
        animation != nullptr
            ? GDK_PIXBUF(g_object_ref(gdk_pixbuf_animation_get_static_image(animation)))
            : framePixbuf(file, 0);
    if (first == nullptr || (file.animated && animation == nullptr)) {
        g_clear_object(&animation);
        g_clear_object(&first);
        setOutOfMemory(error);
        return FALSE;
    }
    context.preparedFunc(first, animation, context.userData);
    context.updatedFunc(first, 0, 0, file.width, file.height, context.userData);
    g_clear_object(&animation);
    g_object_unref(first);
    return TRUE;
}

gboolean stopLoad(gpointer data, GError** error) noexcept {
    auto* context = static_cast<LoadContext*>(data);
    gboolean loaded = FALSE;
    try {
        const ViewResult result = viewFile(context->bytes);
        if (const auto* refusal = std::get_if<ViewRefusal>(&result)) {
            setError(error, GDK_PIXBUF_ERROR_CORRUPT_IMAGE, refusal->reason.c_str());
        } else {
            loaded = deliver(*context, std::get<ViewedFile>(result), error);
        }
    } catch (const std::bad_alloc&) {
        setOutOfMemory(error);
    }
    delete context;
    return loaded;
}

} // namespace

extern "C" {

G_MODULE_EXPORT void fill_vtable(GdkPixbufModule* module) {
    module->begin_load = beginLoad;
    module->load_increment = loadIncrement;
    module->stop_load = stopLoad;
}

G_MODULE_EXPORT void fill_info(GdkPixbufFormat* info) {
    static GdkPixbufModulePattern noSignature[] = {{nullptr, nullptr, 0}};
    static const gchar* mimeTypes[] = {"image/x-ems-picture", "image/x-ema-animation", nullptr};
    static const gchar* extensions[] = {"ems", "ema", nullptr};
    info->name = const_cast<gchar*>("ems");
    info->signature = noSignature;
    info->description = const_cast<gchar*>("EMS picture or EMA animation");
    info->mime_types = const_cast<gchar**>(mimeTypes);
    info->extensions = const_cast<gchar**>(extensions);
    info->flags = GDK_PIXBUF_FORMAT_THREADSAFE;
    info->license = const_cast<gchar*>("MIT");
}
}
