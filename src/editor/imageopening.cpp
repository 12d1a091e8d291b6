#include "imageopening.h"

#include "chosenfile.h"
#include "imageconversion.h"
#include "newdocument.h"
#include "picturedocument.h"
#include "prompts.h"

#include <QFileInfo>

#include <algorithm>

OpenOutcome openImage(PictureDocument& doc, Prompts& prompts, const QString& path) {
    // Read no more than the file holds: the reading buffer is as long as the limit.
    const auto limit = static_cast<std::size_t>(
        std::clamp<qint64>(QFileInfo(path).size() + 1, 1, kImageReadLimit + 1));
    const auto chosen =
        askChooseRead(doc, prompts, QStringLiteral("Открытие нового файла"), {}, path, limit);
    if (!chosen) {
        return OpenOutcome::Cancelled;
    }
    const ConvertedImage* image = nullptr;
    std::variant<ConvertedImage, std::string> converted = std::string();
    if (chosen->bytes && chosen->bytes->size() <= kImageReadLimit) {
        ImageRequest request;
        request.fit = true;
        converted = convertImage(
            QByteArray::fromRawData(reinterpret_cast<const char*>(chosen->bytes->data()),
                                    static_cast<qsizetype>(chosen->bytes->size())),
            request);
        image = std::get_if<ConvertedImage>(&converted);
    }
    if (!image) {
        prompts.showError(QStringLiteral("Данный файл не поддерживается."));
        return OpenOutcome::Failed;
    }

    applyArtwork(doc, image->artwork);
    saveUndo(doc);
    doc.IZM = kFalse;
    doc.fileName = kNoFileName;
    doc.fileFolder.clear();
    return OpenOutcome::Loaded;
}
