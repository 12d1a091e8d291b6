#include "emsimageplugin.h"

#include "emsimagehandler.h"

#include <QFileDevice>

namespace {

bool isOurFormat(const QByteArray& format) {
    return format == "ems" || format == "ema";
}

bool namedLikeOurFiles(const QIODevice* device) {
    const auto* file = qobject_cast<const QFileDevice*>(device);
    return file != nullptr && (file->fileName().endsWith(".ems", Qt::CaseInsensitive) ||
                               file->fileName().endsWith(".ema", Qt::CaseInsensitive));
}

} // namespace

QImageIOPlugin::Capabilities EmsImagePlugin::capabilities(QIODevice* device,
                                                          const QByteArray& format) const {
    // Without a device Qt asks what the plugin can do with its formats at all.
    if (device == nullptr) {
        return isOurFormat(format) ? CanRead : Capabilities();
    }
    const bool named = isOurFormat(format) || (format.isEmpty() && namedLikeOurFiles(device));
    if (!named || !device->isOpen() || !device->isReadable()) {
        return {};
    }
    return EmsImageHandler::canRead(device) ? CanRead : Capabilities();
}

QImageIOHandler* EmsImagePlugin::create(QIODevice* device, const QByteArray& format) const {
    auto* handler = new EmsImageHandler;
    handler->setDevice(device);
    handler->setFormat(format);
    return handler;
}
