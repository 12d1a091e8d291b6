#pragma once

#include "prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

// A scripted stand-in for the message boxes and file dialogs: it answers from queues filled by
// the test and records everything it was asked to show.
class FakePrompts : public Prompts {
public:
    struct Shown {
        QString kind; // "ask", "yesno", "error" or "notice"
        QString title;
        QString text;
    };

    QList<SaveChangesAnswer> saveAnswers;
    QList<bool> yesNoAnswers;
    QList<QStringList> fileAnswers; // full paths per dialog; an empty list cancels

    QList<Shown> shown;
    QList<FileDialogRequest> dialogs;

    SaveChangesAnswer askSaveChanges(const QString& title) override {
        shown.append({"ask", title, "Сохранить изменения?"});
        return saveAnswers.isEmpty() ? SaveChangesAnswer::Cancel : saveAnswers.takeFirst();
    }
    bool askYesNo(const QString& title, const QString& text) override {
        shown.append({"yesno", title, text});
        return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
    }
    void showError(const QString& text) override { shown.append({"error", "Mosaikon", text}); }
    void showNotice(const QString& text) override { shown.append({"notice", "Mosaikon", text}); }
    QStringList chooseFiles(const FileDialogRequest& request) override {
        dialogs.append(request);
        return fileAnswers.isEmpty() ? QStringList() : fileAnswers.takeFirst();
    }

    QStringList texts() const {
        QStringList result;
        for (const Shown& entry : shown) {
            result.append(entry.text);
        }
        return result;
    }
};
