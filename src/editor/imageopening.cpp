#include "imageopening.h"

#include "applydecoded.h"
#include "chosenfile.h"
#include "currentfile.h"
#include "imageconversion.h"
#include "picturedocument.h"
#include "prompts.h"
#include "undocopy.h"

#include <optional>
#include <vector>

namespace {

// The picture in a file's bytes as the converter's --fit reads it; nothing when they are no
// picture Qt reads and the program takes.
std::optional<Artwork> fittedArtwork(const std::optional<std::vector<std::uint8_t>>& bytes) {
    if (!bytes || bytes->size() > kImageReadLimit) {
        return std::nullopt;
    }
    ImageRequest request;
    request.fit = true;
    auto converted =
        convertImage(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes->data()),
                                             static_cast<qsizetype>(bytes->size())),
                     request);
    auto* image = std::get_if<ConvertedImage>(&converted);
    if (!image) {
        return std::nullopt;
    }
    return std::move(image->artwork);
}

} // namespace

OpenOutcome openImage(PictureDocument& doc, Prompts& prompts, const QString& path) {
    const auto chosen = askChooseRead(doc, prompts, QStringLiteral("Открытие нового файла"), {},
                                      path, kImageReadLimit + 1);
    if (!chosen) {
        return OpenOutcome::Cancelled;
    }
    const std::optional<Artwork> artwork = fittedArtwork(chosen->bytes);
    if (!artwork) {
        prompts.showError(QStringLiteral("Данный файл не поддерживается."));
        return OpenOutcome::Failed;
    }

    applyArtwork(doc, *artwork);
    saveUndo(doc);
    forgetCurrentFile(doc);
    return OpenOutcome::Loaded;
}
