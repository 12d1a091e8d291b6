#pragma once

#include <QString>
#include <QStringList>

// Every modal question and message of the program goes through this seam: the program passes
// the Qt message boxes and file dialogs, tests pass a scripted fake.

enum class SaveChangesAnswer { Yes, No, Cancel };

enum class FileDialogMode { Open = 1, Save = 2 };

struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::Open;
    QString title;
    QString folder;          // where the dialog opens
    QStringList nameFilters; // in the platform dialog's form, "EMS-рисунок (*.ems)"; first selected
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // "Сохранить изменения?" titled after the command, with Yes, No and Cancel and no icon.
    virtual SaveChangesAnswer askSaveChanges(const QString& title) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // A failure: critical icon, OK, the program's name as caption.
    virtual void showError(const QString& text) = 0;
    // A notice: no icon, OK, the program's name as caption.
    virtual void showNotice(const QString& text) = 0;
    // The platform file dialog. Returns the chosen files as full paths, none when cancelled. The
    // save dialog asks itself before it returns an existing file.
    virtual QStringList chooseFiles(const FileDialogRequest& request) = 0;
};
