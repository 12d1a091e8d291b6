#include "chosenfile.h"

#include "filereading.h"
#include "picturedocument.h"
#include "savecommands.h"
#include "undecodedpath.h"

#include <QDir>
#include <QFileInfo>

namespace {

// What a confirmed open dialog would have left for this path.
FileDialogResult givenFile(const QString& path, std::string& dir1) {
    const QFileInfo file(path);
    FileDialogResult result;
    result.confirmed = true;
    result.folder = file.absolutePath();
    result.fileNames = QStringList{file.fileName()};
    dir1 = result.folder.toStdString();
    QDir::setCurrent(result.folder);
    return result;
}

} // namespace

std::optional<ChosenFile> askChooseRead(PictureDocument& doc, Prompts& prompts,
                                        const QString& title, const FileFilterTable& filters,
                                        const QString& givenPath, std::size_t limit) {
    if (!mayDiscardChanges(doc, prompts, title)) {
        return std::nullopt;
    }
    const FileDialogResult chosen =
        givenPath.isEmpty() ? fileDialog(FileDialogMode::Open, doc.dir1, filters, prompts)
                            : givenFile(givenPath, doc.dir1);
    if (!chosen.confirmed) {
        return std::nullopt;
    }
    const QString name = chosen.fileNames.first();
    const QString path = QDir(chosen.folder).filePath(name);
    if (isUndecodedPath(path)) {
        return ChosenFile{chosen.folder, name, std::nullopt};
    }
    return ChosenFile{chosen.folder, name, readFileStart(path, limit)};
}
