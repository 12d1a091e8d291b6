#include "filedetailsdelegate.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {

// "35 байт", as the program's status line writes it (Qt's own unit would read "35 байты"), and
// "24,00 кБ" from a kilobyte up.
QString russianSize(const QLocale& russian, qint64 bytes) {
    constexpr qint64 kKilobyte = 1024;
    if (bytes < kKilobyte) {
        return QStringLiteral("%1 байт").arg(russian.toString(bytes));
    }
    return russian.formattedDataSize(bytes, 2, QLocale::DataSizeTraditionalFormat);
}

// The text of a detail column, or a null text where the model's own stays.
QString russianDetail(const QFileSystemModel& model, const QModelIndex& index) {
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    switch (index.column()) {
    case FileDetailsDelegate::kSizeColumn:
        return model.isDir(index) ? QString() : russianSize(russian, model.size(index));
    case FileDetailsDelegate::kTypeColumn:
        return model.isDir(index) ? QStringLiteral("Папка") : QString();
    case FileDetailsDelegate::kModifiedColumn:
        return russian.toString(model.lastModified(index), QLocale::ShortFormat);
    default:
        return QString();
    }
}

} // namespace

void FileDetailsDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const auto* model = qobject_cast<const QFileSystemModel*>(index.model());
    if (model == nullptr) {
        return;
    }
    const QString text = russianDetail(*model, index);
    if (!text.isNull()) {
        option->text = text;
    }
}
