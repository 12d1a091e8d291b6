#include "savecommands.h"

#include "currentfile.h"
#include "documentbytes.h"
#include "filedialog.h"
#include "picturedocument.h"
#include "prompts.h"
#include "undecodedpath.h"
#include "wholewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kWriteError = QStringLiteral("Ошибка при записи файла.");

FileFilterTable saveFilters(const PictureDocument& doc) {
    const FileFilter allFiles{QStringLiteral("Все файлы"), QStringLiteral("*.*")};
    if (isAnimation(doc)) {
        return {{QStringLiteral("EMA-анимация"), QStringLiteral("*.ema")}, allFiles};
    }
    return {{QStringLiteral("EMS-рисунок"), QStringLiteral("*.ems")}, allFiles};
}

// Any directory entry of that name, a link that leads nowhere or in a circle included.
bool nameIsTaken(const QString& path) {
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

// The old file stays whole until the new one is complete, as with every file the programs write.
// A folder that takes no new file (a read-only folder holding a writable file) gets the file
// written in place instead, so that Save still works there.
bool writeBytes(const QString& path, const std::vector<std::uint8_t>& bytes) {
    return writeWholeOrNothing(QFile::encodeName(path).toStdString(), bytes, Durability::Synced,
                               LockedFolder::WriteInPlace)
        .written;
}

// Writes the document to the file `name` in `folder`. Once the file is complete the document
// belongs to it; a failure shows the message and changes nothing in the document.
SaveOutcome writeDocumentTo(PictureDocument& doc, Prompts& prompts, const QString& folder,
                            const QString& name) {
    if (!writeBytes(QDir(folder).filePath(name), encode(doc))) {
        prompts.showError(kWriteError);
        return SaveOutcome::Failed;
    }
    setCurrentFile(doc, folder.toStdString(), name.toStdString());
    if (isAnimation(doc)) {
        doc.ka = static_cast<std::uint8_t>(doc.kK + 1);
    }
    return SaveOutcome::Written;
}

} // namespace

SaveOutcome saveDocument(PictureDocument& doc, Prompts& prompts) {
    if (doc.fileName == kNoFileName) {
        return saveDocumentAs(doc, prompts);
    }
    return writeDocument(doc, prompts);
}

SaveOutcome saveDocumentAs(PictureDocument& doc, Prompts& prompts) {
    const FileDialogResult chosen =
        fileDialog(FileDialogMode::Save, doc.dir1, saveFilters(doc), prompts);
    if (!chosen.confirmed) {
        return SaveOutcome::Cancelled;
    }
    // Written, the file would get a name other than the one chosen; the document keeps its own.
    if (isUndecodedPath(QDir(chosen.folder).filePath(chosen.fileNames.first()))) {
        prompts.showError(kWriteError);
        return SaveOutcome::Failed;
    }

    // A name with a dot anywhere stays as typed: "my.pic" and "pic." are written so. The dialog
    // asked about an existing file only for the name as typed, so the name with the added
    // extension is asked about here.
    QString name = chosen.fileNames.first();
    if (!name.contains(u'.')) {
        name += isAnimation(doc) ? QStringLiteral(".ema") : QStringLiteral(".ems");
        if (nameIsTaken(QDir(chosen.folder).filePath(name)) &&
            !prompts.askYesNo(QStringLiteral("Сохранить файл"),
                              QStringLiteral("Файл %1 уже существует. Заменить его?").arg(name))) {
            return SaveOutcome::Cancelled;
        }
    }

    const SaveOutcome outcome = writeDocumentTo(doc, prompts, chosen.folder, name);
    if (outcome == SaveOutcome::Failed) {
        // The document takes the new name all the same, still counted as changed, so that a
        // later Save tries that name again.
        const Flag changed = doc.IZM;
        setCurrentFile(doc, chosen.folder.toStdString(), name.toStdString());
        doc.IZM = changed;
    }
    return outcome;
}

SaveOutcome writeDocument(PictureDocument& doc, Prompts& prompts) {
    return writeDocumentTo(doc, prompts, QString::fromStdString(doc.fileFolder),
                           QString::fromStdString(doc.fileName));
}

bool mayDiscardChanges(PictureDocument& doc, Prompts& prompts, const QString& title) {
    if (doc.IZM == kFalse) {
        return true;
    }
    switch (prompts.askSaveChanges(title)) {
    case SaveChangesAnswer::No:
        return true;
    case SaveChangesAnswer::Cancel:
        return false;
    case SaveChangesAnswer::Yes:
        return saveDocument(doc, prompts) == SaveOutcome::Written;
    }
    return false;
}
