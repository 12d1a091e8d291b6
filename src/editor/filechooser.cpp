#include "filechooser.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QTreeView>

namespace {

// Room for the longest texts of the detail columns, so none is cut at the dialog's first size.
constexpr int kColumnPadding = 16;
const QString kWidestSize = QStringLiteral("1 000,00 кБ");
const QString kWidestType = QStringLiteral("Неизвестно");
const QString kWidestDate = QStringLiteral("30.12.2026 23:59");
const QSize kFirstSize(760, 440);

} // namespace

FileChooser::FileChooser(QWidget* owner, const FileDialogRequest& request)
    : QFileDialog(owner, request.title, request.folder) {
    setOption(QFileDialog::DontUseNativeDialog);
    setViewMode(QFileDialog::Detail);
    setNameFilters(request.nameFilters);
    setItemDelegate(&details_);
    if (request.mode == FileDialogMode::Open) {
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::ExistingFiles);
    } else {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
    }
    resize(kFirstSize);
    fitDetailColumns();
}

QStringList FileChooser::chosenFiles() const {
    return typedPath_.isEmpty() ? selectedFiles() : QStringList{typedPath_};
}

void FileChooser::fitDetailColumns() {
    auto* view = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (view == nullptr) {
        return;
    }
    const QFontMetrics metrics(view->font());
    QHeaderView* header = view->header();
    header->resizeSection(FileDetailsDelegate::kSizeColumn,
                          metrics.horizontalAdvance(kWidestSize) + kColumnPadding);
    header->resizeSection(FileDetailsDelegate::kTypeColumn,
                          metrics.horizontalAdvance(kWidestType) + kColumnPadding);
    header->resizeSection(FileDetailsDelegate::kModifiedColumn,
                          metrics.horizontalAdvance(kWidestDate) + kColumnPadding);
}

// Qt's save dialog splits a text with double quotes into a list of names and asks about
// replacing only an entry that exists, not a link that leads nowhere. Those two cases are
// decided here; every other one is Qt's, moving into a typed folder included.
void FileChooser::accept() {
    auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (acceptMode() != QFileDialog::AcceptSave || edit == nullptr) {
        QFileDialog::accept();
        return;
    }
    const QString typed = edit->text();
    const bool quoted = typed.contains(u'"');
    const QString path = quoted ? directory().absoluteFilePath(typed) : selectedFiles().value(0);
    const QFileInfo entry(path);
    const bool leadsNowhere = entry.isSymLink() && !entry.exists();
    if (!quoted && !leadsNowhere) {
        QFileDialog::accept();
        return;
    }
    if (entry.isDir()) {
        setDirectory(path);
        edit->clear();
        return;
    }
    if ((entry.exists() || leadsNowhere) && !confirmReplacing(entry.fileName())) {
        return;
    }
    typedPath_ = path;
    QDialog::accept();
}

// The question Qt's dialog asks itself, in the words of its translation.
bool FileChooser::confirmReplacing(const QString& name) {
    const QString text =
        QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(name);
    return QMessageBox::warning(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}
