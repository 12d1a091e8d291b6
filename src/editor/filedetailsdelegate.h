#pragma once

#include <QStyledItemDelegate>

// Draws the detail columns of Qt's file dialog in Russian whatever the system's language: Qt's
// file model writes sizes and dates in the system's locale and names a folder "Folder".
class FileDetailsDelegate : public QStyledItemDelegate {
public:
    // The columns of Qt's file model, as the dialog's detail view shows them.
    enum Column { kNameColumn, kSizeColumn, kTypeColumn, kModifiedColumn };

    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
