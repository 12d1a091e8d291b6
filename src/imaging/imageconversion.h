#pragma once

#include "artwork.h"
#include "twocolour.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <string>
#include <variant>

// Common images (PNG, GIF, JPEG, WebP, TIFF, BMP, ...) in two colours, through Qt's image
// readers, for the converter and for images dropped on the editor.

// A picture of more pixels than this is refused from its header, before it is decoded, whatever
// its depth: 4000 x 4000 is taken, a header claiming 60000 x 60000 is not.
constexpr long long kMostImagePixels = 16'000'000;
// No image file longer than this is read; it would be no picture of 16 megapixels.
constexpr std::size_t kImageReadLimit = 64 * 1024 * 1024;

struct ImageRequest {
    CutSettings cut;
    bool fit = false; // scale a larger picture down into the box, else refuse it
    CellsSize box{kMaxArtworkWidth, kMaxArtworkHeight}; // what fits; at most 128 x 96
    int mostFrames = kMaxArtworkFrames; // 1 takes the first frame of an animation, as a picture
    long long mostPixels = kMostImagePixels; // a larger picture is refused from its header
};

struct ConvertedImage {
    Artwork artwork;      // an animation when more than one frame was taken, else a picture
    int framesInFile = 1; // above mostFrames when frames were left out (and never decoded)
};

// The two-colour picture or animation in an image file's bytes, or why it is refused, in one line
// of English that follows the file's name ("is 640 x 480, larger than 128 x 96"). Frames of an
// animation (GIF, WebP) come composed as the format's disposal rules say; the delay is the first
// frame's, where a GIF's 0 or 1/100 s counts as 1/10 s, as browsers show it.
std::variant<ConvertedImage, std::string> convertImage(const QByteArray& bytes,
                                                       const ImageRequest& request);

// Whether the path ends in a name Qt's image readers take (".png", ".JPG", ".webp", ...).
bool hasImageEnding(const QString& path);
