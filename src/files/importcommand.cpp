#include "importcommand.h"

#include "bmpreader.h"
#include "filedialog.h"
#include "filereading.h"
#include "picturedocument.h"
#include "prompts.h"
#include "savecommands.h"

#include <QDir>

#include <optional>
#include <utility>
#include <vector>

namespace {

const FileFilterTable kImportFilters = {
    {QStringLiteral("Однобитный точечный рисунок (два цвета) (BMP)"), QStringLiteral("*.bmp")},
    {QStringLiteral("Все файлы"), QStringLiteral("*.*")},
};

std::optional<DecodedBmp> readBmpFile(const QString& path) {
    const auto bytes = readFileStart(path, kBmpReadLimit);
    if (!bytes) {
        return std::nullopt;
    }
    BmpResult decoded = decodeBmp(*bytes);
    if (DecodedBmp* bmp = std::get_if<DecodedBmp>(&decoded)) {
        return std::move(*bmp);
    }
    return std::nullopt;
}

} // namespace

ImportOutcome importBmp(PictureDocument& doc, Prompts& prompts) {
    if (!mayDiscardChanges(doc, prompts, QStringLiteral("Импорт из BMP-файла"))) {
        return ImportOutcome::Cancelled;
    }
    const FileDialogResult chosen =
        fileDialog(FileDialogMode::Open, doc.dir1, kImportFilters, prompts);
    if (!chosen.confirmed) {
        return ImportOutcome::Cancelled;
    }

    const auto bmp = readBmpFile(QDir(chosen.folder).filePath(chosen.fileNames.first()));
    if (!bmp) {
        prompts.showError(
            QStringLiteral("Ошибка при открытии файла. Убедитесь что это двухцветный bmp-файл."));
        return ImportOutcome::Failed;
    }

    applyBmp(doc, *bmp);
    doc.IZM = kFalse;
    doc.fileName = kNoFileName;
    doc.fileFolder.clear();
    return ImportOutcome::Imported;
}
