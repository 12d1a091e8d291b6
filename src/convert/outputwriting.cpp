#include "outputwriting.h"

#include "editorlimits.h"
#include "filekind.h"
#include "imagewriting.h"
#include "messagewriting.h"
#include "refusal.h"
#include "standingstill.h"

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

MessageForm messageForm(const ConvertOptions& options) {
    if (options.udhLines) {
        return MessageForm::HeaderAndRest;
    }
    if (options.atCommands) {
        return MessageForm::AtCommands;
    }
    return options.jsonLines ? MessageForm::JsonLines : MessageForm::Tpdu;
}

} // namespace

std::vector<std::uint8_t> outputBytes(const Artwork& artwork, const ConvertOptions& options) {
    const std::string& path = options.output;
    switch (outputKindOf(options)) {
    case FileKind::Picture:
        return mosaikonFile(artwork, path, false);
    case FileKind::Animation:
        return mosaikonFile(artwork, path, true);
    case FileKind::Messages:
        return messageFile(artwork, options, messageForm(options));
    case FileKind::MessageJson:
        return messageFile(artwork, options, MessageForm::JsonLines);
    case FileKind::Png:
        return pngFile(artwork, options);
    case FileKind::Gif:
        return gifFile(asItStands(artwork, options.input, "the GIF holds"), options);
    case FileKind::Bmp:
        return bmpFile(artwork, options);
    case FileKind::SmsBackup:
    case FileKind::OtherImage:
        break;
    }
    throw Refusal(path +
                  ": the output's name must end in .ems, .ema, .pdu, .jsonl, .png, .gif or .bmp");
}
