#include "helpwindow.h"

#include "besidewindow.h"
#include "helptext.h"
#include "windowlook.h"

#include <QAccessibleWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

namespace {

// A plain QWidget is a "filler" to a screen reader; this one is a window of its own.
QAccessibleInterface* helpWindowFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("HelpWindow")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form4");
    setWindowTitle(QStringLiteral("Справка"));
    setFont(designFont());
    setFixedSize(497, 442);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(helpWindowFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    auto* text = new QPlainTextEdit(this);
    text->setObjectName("Text1");
    text->setGeometry(0, 0, 497, 409);
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setPlainText(helpText());
    text->setAccessibleName(QStringLiteral("Текст справки"));
    text->verticalScrollBar()->setAccessibleName(QStringLiteral("Прокрутка текста"));

    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName("Command1");
    close->setGeometry(376, 416, 121, 25);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::hide);

    // Placed once; later showings keep wherever the user moved it.
    if (parent != nullptr) {
        placeBeside(*parent->window());
    }
}

// Beside the main window, not over it, so that the user can go on drawing while reading.
void HelpWindow::placeBeside(const QWidget& anchor) {
    const QScreen* screen = anchor.screen();
    if (screen == nullptr) {
        return;
    }
    // Not shown yet, this window has no frame; the anchor's frame stands in for the one it gets.
    const QRect frame = anchor.frameGeometry();
    const QRect inner = anchor.geometry();
    const QMargins frameWidths(inner.left() - frame.left(), inner.top() - frame.top(),
                               frame.right() - inner.right(), frame.bottom() - inner.bottom());
    move(positionBeside(frame, size().grownBy(frameWidths), screen->availableGeometry()));
}

void HelpWindow::showInFront() {
    show();
    raise();
    activateWindow();
}
