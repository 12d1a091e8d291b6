#pragma once

#include "prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <string>

// One entry of a dialog's file-type list, offered in table order, the first one selected.
// Several patterns in one entry are separated by "; ", as in "*.ems; *.ema".
struct FileFilter {
    QString description;
    QString pattern;
};

using FileFilterTable = QList<FileFilter>;

struct FileDialogResult {
    bool confirmed = false;
    QStringList fileNames{QString()}; // chosen names without folder; one empty name after a cancel
    QString folder;                   // folder of the chosen files; empty after a cancel
};

// Shows the open dialog (mode Open, several files allowed) or the save dialog (mode Save, which
// itself asks before it returns an existing file) through the prompts. `folder` is where the
// dialog opens (an empty one means the user's pictures folder, or the home folder without one) and
// on return holds the folder of the chosen files, or nothing after a cancel. A confirmed choice
// also makes that folder the process's current folder.
FileDialogResult fileDialog(FileDialogMode mode, std::string& folder,
                            const FileFilterTable& filters, Prompts& prompts);
