#include "importcommand.h"

#include "bmpreader.h"
#include "filedialog.h"
#include "picturedocument.h"
#include "prompts.h"
#include "savecommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <utility>
#include <vector>

namespace {

const FileFilterTable kImportFilters = {
    {QStringLiteral("Однобитный точечный рисунок (два цвета) (BMP)"), QStringLiteral("*.bmp")},
    {QStringLiteral("Все файлы"), QStringLiteral("*.*")},
};

// The whole file, or nothing when it cannot be read or is longer than any file worth importing;
// reading stops one byte past that limit, so a huge file is never loaded.
std::optional<std::vector<std::uint8_t>> readWholeFile(const QString& path) {
    // Only a regular file is read: opening a FIFO would wait for a writer, and a device has no
    // length of its own.
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(kLargestBmpBytes + 1);
    const qint64 length =
        file.read(reinterpret_cast<char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (length < 0 || static_cast<std::size_t>(length) > kLargestBmpBytes) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(length));
    return bytes;
}

std::optional<DecodedBmp> readBmpFile(const QString& path) {
    const auto bytes = readWholeFile(path);
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
