#include "designmenus.h"

#include "mainwindowdesign.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

void addDesignMenus(QMenuBar& bar) {
    bar.setAccessibleName(QStringLiteral("Меню"));
    for (const Menu& menuDesign : kMenus) {
        QMenu* menu = bar.addMenu(QString::fromUtf8(menuDesign.caption));
        menu->setObjectName(menuDesign.name);
        for (const MenuItem& item : menuDesign.items) {
            QAction* action = *item.caption == '\0'
                                  ? menu->addSeparator()
                                  : menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(item.name);
            if (*item.shortcut != '\0') {
                action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            }
        }
    }
    QAction* grid = menuAction(bar, "setka");
    grid->setCheckable(true);
    grid->setChecked(true);
}

QAction* menuAction(const QObject& window, const char* name) {
    auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
    if (action == nullptr) {
        qFatal("The program asks for a menu item named \"%s\", which no menu holds.", name);
    }
    return action;
}

void addMenuBarKey(QMenuBar& bar, QWidget& window) {
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F10), &window), &QShortcut::activated, &bar,
                     [&bar] { bar.setActiveAction(bar.actions().constFirst()); });
}
