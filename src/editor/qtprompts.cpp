#include "qtprompts.h"

#include "filechooser.h"
#include "programname.h"

#include <QMessageBox>

SaveChangesAnswer QtPrompts::askSaveChanges(const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, QStringLiteral("Сохранить изменения?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner_);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveChangesAnswer::Yes;
    case QMessageBox::No:
        return SaveChangesAnswer::No;
    default:
        return SaveChangesAnswer::Cancel;
    }
}

bool QtPrompts::askYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, owner_);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompts::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kProgramName), text, QMessageBox::Ok,
                    owner_);
    box.exec();
}

void QtPrompts::showNotice(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kProgramName), text, QMessageBox::Ok,
                    owner_);
    box.exec();
}

QStringList QtPrompts::chooseFiles(const FileDialogRequest& request) {
    FileChooser dialog(owner_, request);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.chosenFiles();
}
