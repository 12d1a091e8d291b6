#include "imagewriting.h"

#include "bmpwriter.h"
#include "refusal.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <gif_lib.h>

#include <memory>

namespace {

std::string framesText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " frame" : " frames");
}

// The frame --frame names, 0-based.
int chosenFrame(const Artwork& artwork, const ConvertOptions& options) {
    if (static_cast<std::size_t>(options.frame) > artwork.frames.size()) {
        throw Refusal(options.input + ": has " + framesText(artwork.frames.size()) + "; --frame " +
                      std::to_string(options.frame) + " names none");
    }
    return options.frame - 1;
}

// Frames side by side, no gap, each cell `scale` x `scale` pixels: index 1 (black) where a cell
// is set, 0 (white) where it is clear.
QImage twoColourStrip(const Artwork& artwork, const std::vector<int>& frames, int scale) {
    QImage image(artwork.width * scale * static_cast<int>(frames.size()), artwork.height * scale,
                 QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < artwork.height; ++y) {
        uchar* line = image.scanLine(y * scale);
        for (std::size_t place = 0; place < frames.size(); ++place) {
            for (int x = 0; x < artwork.width; ++x) {
                if (!artwork.isSet(frames[place], x, y)) {
                    continue;
                }
                const int left = (static_cast<int>(place) * artwork.width + x) * scale;
                for (int pixel = left; pixel < left + scale; ++pixel) {
                    line[pixel / 8] |= static_cast<uchar>(0x80 >> (pixel % 8));
                }
            }
        }
        for (int copy = 1; copy < scale; ++copy) {
            std::copy(line, line + image.bytesPerLine(), image.scanLine(y * scale + copy));
        }
    }
    return image;
}

// One frame's rows of palette indices for giflib, scaled like the strip.
std::vector<GifPixelType> gifRows(const Artwork& artwork, int frame, int scale) {
    const int width = artwork.width * scale;
    std::vector<GifPixelType> rows(static_cast<std::size_t>(width) * artwork.height * scale);
    for (int y = 0; y < artwork.height * scale; ++y) {
        for (int x = 0; x < width; ++x) {
            rows[static_cast<std::size_t>(y) * width + x] =
                artwork.isSet(frame, x / scale, y / scale) ? 1 : 0;
        }
    }
    return rows;
}

int appendToVector(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

// The GIF frame delay in hundredths of a second for zZ x 12 ms, rounded; at least 2, since most
// viewers show anything shorter at 1/10 s.
int gifDelay(const Artwork& artwork, const ConvertOptions& options) {
    const int hundredths = (artwork.zZ * 12 + 5) / 10;
    if (hundredths >= 2) {
        return hundredths;
    }
    remark(options.output + ": a delay of " + std::to_string(artwork.zZ * 12) +
           " ms is written as 2/100 s, the shortest most viewers keep");
    return 2;
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

void check(int result, GifFileType* gif, const ConvertOptions& options) {
    if (result == GIF_ERROR) {
        const char* reason = GifErrorString(gif->Error);
        throw Refusal(options.output + ": GIF cannot be made: " + (reason ? reason : "unknown"));
    }
}

void putLoopForever(GifFileType* gif, const ConvertOptions& options) {
    static const GifByteType application[] = "NETSCAPE2.0";
    static const GifByteType loopCount[] = {1, 0, 0}; // sub-block 1: loop 0 times, for ever
    check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), gif, options);
    check(EGifPutExtensionBlock(gif, 11, application), gif, options);
    check(EGifPutExtensionBlock(gif, 3, loopCount), gif, options);
    check(EGifPutExtensionTrailer(gif), gif, options);
}

void putDelay(GifFileType* gif, int hundredths, const ConvertOptions& options) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = hundredths;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension), gif, options);
}

} // namespace

std::vector<std::uint8_t> pngFile(const Artwork& artwork, const ConvertOptions& options) {
    std::vector<int> frames;
    if (options.allFrames) {
        for (std::size_t frame = 0; frame < artwork.frames.size(); ++frame) {
            frames.push_back(static_cast<int>(frame));
        }
    } else {
        frames.push_back(chosenFrame(artwork, options));
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(twoColourStrip(artwork, frames, options.scale))) {
        throw Refusal(options.output +
                      ": PNG cannot be made: " + writer.errorString().toStdString());
    }
    const QByteArray& bytes = buffer.data();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> gifFile(const Artwork& artwork, const ConvertOptions& options) {
    std::vector<std::uint8_t> out;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&out, appendToVector, &error));
    if (!gif) {
        throw Refusal(options.output + ": GIF cannot be made: " + GifErrorString(error));
    }
    const int width = artwork.width * options.scale;
    const int height = artwork.height * options.scale;
    GifColorType colours[] = {{255, 255, 255}, {0, 0, 0}};
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> palette(GifMakeMapObject(2, colours),
                                                                       GifFreeMapObject);
    EGifSetGifVersion(gif.get(), true);
    check(EGifPutScreenDesc(gif.get(), width, height, 1, 0, palette.get()), gif.get(), options);

    const bool animation = artwork.kind == ArtworkKind::Animation;
    if (animation) {
        putLoopForever(gif.get(), options);
    }
    const int delay = animation ? gifDelay(artwork, options) : 0;
    for (std::size_t frame = 0; frame < artwork.frames.size(); ++frame) {
        if (animation) {
            putDelay(gif.get(), delay, options);
        }
        check(EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr), gif.get(), options);
        std::vector<GifPixelType> rows = gifRows(artwork, static_cast<int>(frame), options.scale);
        for (int y = 0; y < height; ++y) {
            check(EGifPutLine(gif.get(), rows.data() + static_cast<std::size_t>(y) * width, width),
                  gif.get(), options);
        }
    }
    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) {
        throw Refusal(options.output + ": GIF cannot be made: " + GifErrorString(error));
    }
    return out;
}

std::vector<std::uint8_t> bmpFile(const Artwork& artwork, const ConvertOptions& options) {
    return encodeBmp(artwork, chosenFrame(artwork, options));
}
