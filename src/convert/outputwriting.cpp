#include "outputwriting.h"

#include "editorlimits.h"
#include "filekind.h"
#include "imagewriting.h"
#include "messagewriting.h"
#include "refusal.h"

namespace {

// The delay a new animation gets in the editor, for a picture written as an animation.
constexpr int kNewAnimationDelay = 16;

std::vector<std::uint8_t> mosaikonFile(Artwork artwork, const std::string& path, bool animation) {
    requireEditorSize(artwork, path + ": the input");
    if (!animation && artwork.kind == ArtworkKind::Animation) {
        throw Refusal(path + ": an animation is kept as .ema, not .ems");
    }
    if (animation && artwork.kind == ArtworkKind::Picture) {
        artwork.kind = ArtworkKind::Animation;
        artwork.zZ = kNewAnimationDelay;
    }
    return encodeArtwork(artwork);
}

} // namespace

std::vector<std::uint8_t> outputBytes(const Artwork& artwork, const ConvertOptions& options) {
    const std::string& path = options.output;
    switch (fileKindOf(path)) {
    case FileKind::Picture:
        return mosaikonFile(artwork, path, false);
    case FileKind::Animation:
        return mosaikonFile(artwork, path, true);
    case FileKind::Messages:
        return messageFile(artwork, options);
    case FileKind::Png:
        return pngFile(artwork, options);
    case FileKind::Gif:
        return gifFile(artwork, options);
    case FileKind::Bmp:
        return bmpFile(artwork, options);
    case FileKind::SmsBackup:
    case FileKind::OtherImage:
        break;
    }
    throw Refusal(path + ": the output's name must end in .ems, .ema, .pdu, .png, .gif or .bmp");
}
