#pragma once

#include <QWidget>

class QPlainTextEdit;

// The help window: the help text in a read-only box and a button that hides the window. It stays
// beside the main window without blocking it; its text is filled once, when it is created, and
// it is first placed beside its parent's window.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window, or brings it to the front when it is already on screen.
    void showInFront();

private:
    void placeBeside(const QWidget& anchor);
};
