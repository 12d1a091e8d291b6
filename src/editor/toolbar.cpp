#include "toolbar.h"

#include "designmenus.h"
#include "mainwindowdesign.h"
#include "toolbaricon.h"

#include <QAction>
#include <QPushButton>

#include <iterator>

namespace {

constexpr int kButtonSide = 29;

} // namespace

Toolbar::Toolbar(const QObject& window, QWidget* client) : QWidget(client) {
    const ToolbarButton& last = kToolbar[std::size(kToolbar) - 1];
    setGeometry(0, 0, last.left + kButtonSide, kButtonSide);
    for (const ToolbarButton& entry : kToolbar) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(entry.index));
        button->setGeometry(entry.left, 0, kButtonSide, kButtonSide);
        button->setIcon(toolbarIcon(QStringLiteral(":/toolbar/%1.xpm").arg(entry.picture)));
        button->setIconSize(QSize(24, 24));
        QAction* action = menuAction(window, entry.action);
        // The button shows only its picture; a screen reader says the command's menu caption.
        button->setAccessibleName(action->text());
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        if (!buttonsFromLeft_.empty()) {
            setTabOrder(buttonsFromLeft_.back(), button);
        }
        buttons_[entry.index] = button;
        buttonsFromLeft_.push_back(button);
    }
}
