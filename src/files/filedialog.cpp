#include "filedialog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// "*.ems; *.ema" becomes "*.ems *.ema", the form a Qt dialog understands. "*.*" becomes "*":
// outside Windows it would hide every file without an extension from "Все файлы".
QString qtPatterns(const QString& pattern) {
    QStringList patterns;
    for (const QString& part : pattern.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        patterns.append(trimmed == u"*.*" ? QStringLiteral("*") : trimmed);
    }
    return patterns.join(u' ');
}

// A column whose pattern is empty or a single character is left out; a description that short
// is shown as "Разные файлы".
QStringList nameFilters(const FileFilterTable& filters) {
    QStringList list;
    for (const FileFilter& filter : filters) {
        if (filter.pattern.size() <= 1) {
            continue;
        }
        const QString description =
            filter.description.size() > 1 ? filter.description : QStringLiteral("Разные файлы");
        list.append(QStringLiteral("%1 (%2)").arg(description, qtPatterns(filter.pattern)));
    }
    return list;
}

// The first dialog, and the next one after a cancel, opens in the user's pictures folder, or in
// the home folder when there is none: never in the program's own folder, which an installed
// program may not write to (and root would).
QString startFolder(const std::string& folder) {
    if (!folder.empty()) {
        return QString::fromStdString(folder);
    }
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir()) {
        return pictures;
    }
    return QDir::homePath();
}

} // namespace

FileDialogResult fileDialog(FileDialogMode mode, std::string& folder,
                            const FileFilterTable& filters, Prompts& prompts) {
    FileDialogRequest request;
    request.mode = mode;
    request.title = mode == FileDialogMode::Open ? QStringLiteral("Открыть файл")
                                                 : QStringLiteral("Сохранить файл");
    request.folder = startFolder(folder);
    request.nameFilters = nameFilters(filters);

    const QStringList paths = prompts.chooseFiles(request);
    if (paths.isEmpty()) {
        folder.clear();
        return {};
    }

    FileDialogResult result;
    result.confirmed = true;
    result.folder = QFileInfo(paths.first()).absolutePath();
    result.fileNames.clear();
    for (const QString& path : paths) {
        result.fileNames.append(QFileInfo(path).fileName());
    }
    folder = result.folder.toStdString();
    QDir::setCurrent(result.folder);
    return result;
}
