#pragma once

#include <QImageIOPlugin>

// Qt's image-format plugin for .ems pictures and .ema animations, read only. The files carry no
// magic number, so the plugin claims a device only when its name or the format asked for says
// so, and its header holds what the editor reads.
class EmsImagePlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QImageIOHandlerFactoryInterface" FILE "ems.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override;
};
