#pragma once

#include <QObject>

class QWidget;

// Lets the letter shortcuts of a window (Ctrl+N, Ctrl+Z, ...) work by the key's place on the
// keyboard when the layout in use gives no Latin letter, as Russian alone does: Qt matches a
// shortcut by the letter that the key types, and such a keyboard types no N. Where a layout of
// the keyboard does give the Latin letter, Qt matches it itself and this stays out of the way.
class PhysicalKeyShortcuts : public QObject {
    Q_OBJECT

public:
    // Watches the key presses of the whole application and triggers the actions of `window`
    // for those made in it; lives as long as the window.
    explicit PhysicalKeyShortcuts(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
};
