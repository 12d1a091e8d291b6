#pragma once

#include "prompts.h"

class QWidget;

// The program's message boxes and file dialogs, owned by the given window.
class QtPrompts : public Prompts {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }

    SaveChangesAnswer askSaveChanges(const QString& title) override;
    bool askYesNo(const QString& title, const QString& text) override;
    void showError(const QString& text) override;
    void showNotice(const QString& text) override;
    QStringList chooseFiles(const FileDialogRequest& request) override;

private:
    QWidget* owner_ = nullptr;
};
