#include "opencommand.h"

#include "emscodec.h"
#include "filedialog.h"
#include "filereading.h"
#include "newdocument.h"
#include "picturedocument.h"
#include "prompts.h"
#include "savecommands.h"

#include <QDir>

#include <optional>
#include <vector>

namespace {

const FileFilterTable kOpenFilters = {
    {QStringLiteral("Все доступные форматы"), QStringLiteral("*.ems; *.ema")},
    {QStringLiteral("EMS-рисунок (EMS)"), QStringLiteral("*.ems")},
    {QStringLiteral("EMA-анимация (EMA)"), QStringLiteral("*.ema")},
    {QStringLiteral("Все файлы"), QStringLiteral("*.*")},
};

} // namespace

OpenOutcome openDocument(PictureDocument& doc, Prompts& prompts) {
    if (!mayDiscardChanges(doc, prompts, QStringLiteral("Открытие нового файла"))) {
        return OpenOutcome::Cancelled;
    }
    const FileDialogResult chosen =
        fileDialog(FileDialogMode::Open, doc.dir1, kOpenFilters, prompts);
    if (!chosen.confirmed) {
        return OpenOutcome::Cancelled;
    }

    const QString name = chosen.fileNames.first();
    const auto bytes = readFileStart(QDir(chosen.folder).filePath(name), kLargestFileBytes);
    const QString readError =
        QStringLiteral("Ошибка чтении файла. Убедитесь что это правильный EMS-рисунок.");
    if (!bytes) {
        prompts.showError(readError);
        return OpenOutcome::Failed;
    }
    const DecodeResult decoded = decode(*bytes);
    if (const DecodeError* error = std::get_if<DecodeError>(&decoded)) {
        prompts.showError(*error == DecodeError::Unsupported
                              ? QStringLiteral("Данный файл не поддерживается.")
                              : readError);
        return OpenOutcome::Failed;
    }

    applyDecoded(doc, std::get<DecodedPicture>(decoded));
    saveUndo(doc);
    doc.IZM = kFalse;
    doc.fileName = name.toStdString();
    doc.fileFolder = chosen.folder.toStdString();
    return OpenOutcome::Loaded;
}
