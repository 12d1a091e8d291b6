#include "emsimagehandler.h"

#include "emslayout.h"

#include <QIODevice>
#include <QImage>
#include <QVariant>

#include <cstring>
#include <new>

namespace {

// The file's rows are already in the layout of a one-bit image: colour 1 is black.
QImage monoImage(const ViewedFile& file, int frame) {
    QImage image(file.width, file.height, QImage::Format_Mono);
    if (image.isNull()) {
        return image;
    }
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < file.height; ++y) {
        std::memcpy(image.scanLine(y), file.row(frame, y),
                    static_cast<std::size_t>(file.rowLength()));
    }
    return image;
}

} // namespace

bool EmsImageHandler::canRead(QIODevice* device) {
    const QByteArray start = device->peek(kAnimationHeaderBytes);
    return hasViewableHeader(reinterpret_cast<const std::uint8_t*>(start.constData()),
                             static_cast<std::size_t>(start.size()));
}

bool EmsImageHandler::canRead() const {
    if (result_.has_value()) {
        const ViewedFile* viewed = file();
        return viewed != nullptr && nextImage_ < viewed->frameCount;
    }
    return device() != nullptr && canRead(device());
}

// Allocation failures end here, as a refusal: nothing may throw into the program using Qt.
const ViewedFile* EmsImageHandler::file() const {
    if (!result_.has_value()) {
        try {
            const QByteArray bytes =
                device() != nullptr ? device()->read(kLargestFileBytes) : QByteArray();
            const auto* start = reinterpret_cast<const std::uint8_t*>(bytes.constData());
            result_ = viewFile(std::vector<std::uint8_t>(start, start + bytes.size()));
        } catch (const std::bad_alloc&) {
            result_ = ViewRefusal{"out of memory"};
        }
    }
    return std::get_if<ViewedFile>(&*result_);
}

bool EmsImageHandler::read(QImage* image) {
    const ViewedFile* viewed = nullptr;
    try {
        viewed = file();
        if (viewed == nullptr || nextImage_ >= viewed->frameCount) {
            return false;
        }
        QImage frame = monoImage(*viewed, nextImage_);
        if (frame.isNull()) {
            return false;
        }
        *image = std::move(frame);
    } catch (const std::bad_alloc&) {
        return false;
    }
    ++nextImage_;
    return true;
}

int EmsImageHandler::imageCount() const {
    const ViewedFile* viewed = file();
    return viewed != nullptr ? viewed->frameCount : 0;
}

int EmsImageHandler::loopCount() const {
    const ViewedFile* viewed = file();
    return viewed != nullptr && viewed->animated ? -1 : 0;
}

int EmsImageHandler::nextImageDelay() const {
    const ViewedFile* viewed = file();
    return viewed != nullptr ? viewed->delayMs : 0;
}

int EmsImageHandler::currentImageNumber() const {
    return nextImage_ - 1;
}

bool EmsImageHandler::jumpToImage(int imageNumber) {
    if (imageNumber < 0 || imageNumber >= imageCount()) {
        return false;
    }
    nextImage_ = imageNumber;
    return true;
}

bool EmsImageHandler::jumpToNextImage() {
    return jumpToImage(nextImage_ + 1);
}

QVariant EmsImageHandler::option(ImageOption option) const {
    const ViewedFile* viewed = file();
    if (viewed == nullptr) {
        return {};
    }
    if (option == Size) {
        return QSize(viewed->width, viewed->height);
    }
    if (option == Animation) {
        return viewed->animated;
    }
    if (option == ImageFormat) {
        return QImage::Format_Mono;
    }
    return {};
}

bool EmsImageHandler::supportsOption(ImageOption option) const {
    return option == Size || option == Animation || option == ImageFormat;
}
