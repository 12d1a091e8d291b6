#include "importcommand.h"

#include "applydecoded.h"
#include "bmpreader.h"
#include "chosenfile.h"
#include "currentfile.h"
#include "picturedocument.h"
#include "prompts.h"

#include <optional>
#include <utility>
#include <vector>

namespace {

const FileFilterTable kImportFilters = {
    {QStringLiteral("Однобитный точечный рисунок (два цвета) (BMP)"), QStringLiteral("*.bmp")},
    {QStringLiteral("Все файлы"), QStringLiteral("*.*")},
};

std::optional<DecodedBmp> decodeFileStart(const std::optional<std::vector<std::uint8_t>>& bytes) {
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

ImportOutcome importBmp(PictureDocument& doc, Prompts& prompts, const QString& givenPath) {
    const auto chosen = askChooseRead(doc, prompts, QStringLiteral("Импорт из BMP-файла"),
                                      kImportFilters, givenPath, kBmpReadLimit);
    if (!chosen) {
        return ImportOutcome::Cancelled;
    }

    const auto bmp = decodeFileStart(chosen->bytes);
    if (!bmp) {
        prompts.showError(
            QStringLiteral("Ошибка при открытии файла. Убедитесь что это двухцветный bmp-файл."));
        return ImportOutcome::Failed;
    }

    applyBmp(doc, *bmp);
    forgetCurrentFile(doc);
    return ImportOutcome::Imported;
}
