#include "opencommand.h"

#include "applydecoded.h"
#include "chosenfile.h"
#include "currentfile.h"
#include "emscodec.h"
#include "picturedocument.h"
#include "prompts.h"
#include "undocopy.h"

namespace {

const FileFilterTable kOpenFilters = {
    {QStringLiteral("Все доступные форматы"), QStringLiteral("*.ems; *.ema")},
    {QStringLiteral("EMS-рисунок (EMS)"), QStringLiteral("*.ems")},
    {QStringLiteral("EMA-анимация (EMA)"), QStringLiteral("*.ema")},
    {QStringLiteral("Все файлы"), QStringLiteral("*.*")},
};

} // namespace

OpenOutcome openDocument(PictureDocument& doc, Prompts& prompts, const QString& givenPath) {
    const auto chosen = askChooseRead(doc, prompts, QStringLiteral("Открытие нового файла"),
                                      kOpenFilters, givenPath, kLargestFileBytes);
    if (!chosen) {
        return OpenOutcome::Cancelled;
    }

    const QString readError =
        QStringLiteral("Ошибка чтении файла. Убедитесь что это правильный EMS-рисунок.");
    if (!chosen->bytes) {
        prompts.showError(readError);
        return OpenOutcome::Failed;
    }
    const DecodeResult decoded = decode(*chosen->bytes);
    if (const DecodeError* error = std::get_if<DecodeError>(&decoded)) {
        prompts.showError(*error == DecodeError::Unsupported
                              ? QStringLiteral("Данный файл не поддерживается.")
                              : readError);
        return OpenOutcome::Failed;
    }

    applyDecoded(doc, std::get<DecodedPicture>(decoded));
    saveUndo(doc);
    setCurrentFile(doc, chosen->folder.toStdString(), chosen->name.toStdString());
    return OpenOutcome::Loaded;
}
