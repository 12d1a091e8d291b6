#pragma once

#include "filedetailsdelegate.h"
#include "prompts.h"

#include <QFileDialog>
#include <QStringList>

// Qt's own file dialog, the same on every desktop, as the program needs it: Russian in its
// columns too, and a save dialog that takes the typed text as one file name, double quotes
// included (Qt's reads them as a list of names). It keeps no history between runs once
// keepNoSettings has run at start-up.
class FileChooser : public QFileDialog {
public:
    FileChooser(QWidget* owner, const FileDialogRequest& request);

    // The chosen files as full paths, once the dialog was accepted.
    QStringList chosenFiles() const;

protected:
    void accept() override;

private:
    void fitDetailColumns();
    bool confirmReplacing(const QString& name);

    FileDetailsDelegate details_;
    QString typedPath_; // set when the save dialog took the typed text as it stands
};
