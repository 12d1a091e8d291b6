#include "helpwindow.h"

#include "helptext.h"
#include "windowlook.h"

#include <QPlainTextEdit>
#include <QPushButton>

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form4");
    setWindowTitle(QStringLiteral("Справка"));
    setFont(designFont());
    setFixedSize(497, 442);

    auto* text = new QPlainTextEdit(this);
    text->setObjectName("Text1");
    text->setGeometry(0, 0, 497, 409);
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setPlainText(helpText());

    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName("Command1");
    close->setGeometry(376, 416, 121, 25);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    // Placed once; later showings keep wherever the user moved it.
    centreOnScreen(*this);
}

void HelpWindow::showInFront() {
    show();
    raise();
    activateWindow();
}
