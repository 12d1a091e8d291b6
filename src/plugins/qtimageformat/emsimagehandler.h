#pragma once

#include "viewedfile.h"

#include <QImageIOHandler>

#include <optional>

// Reads an .ems picture or an .ema animation from a device, frame by frame: two-colour images
// at the true size, set pixels black and clear ones white. A playing animation loops forever;
// one that stands still (delay 0) or has one frame reads as frame 1 alone.
class EmsImageHandler : public QImageIOHandler {
public:
    // Whether the device's next bytes start a file the editor would read; reads nothing.
    static bool canRead(QIODevice* device);

    bool canRead() const override;
    bool read(QImage* image) override;
    int imageCount() const override;
    int loopCount() const override;
    int nextImageDelay() const override;
    int currentImageNumber() const override;
    bool jumpToImage(int imageNumber) override;
    bool jumpToNextImage() override;
    QVariant option(ImageOption option) const override;
    bool supportsOption(ImageOption option) const override;

private:
    // Reads and decodes the device once; the file, or nothing when it was refused.
    const ViewedFile* file() const;

    mutable std::optional<ViewResult> result_;
    int nextImage_ = 0;
};
