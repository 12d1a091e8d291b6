#pragma once

class QAction;
class QMenuBar;
class QObject;
class QWidget;

// Fills the menu bar with the menus of the design's table (mainwindowdesign.h): every item an
// action named after it, with its shortcut; the grid item checked, as the grid starts on.
void addDesignMenus(QMenuBar& bar);

// F10 opens the menu bar's first menu, from anywhere in the window, as on most desktops.
void addMenuBarKey(QMenuBar& bar, QWidget& window);

// The menu item of that name among the window's actions. Every name the program asks for is in
// the table, so a name that matches none is a fault of the program: it stops there and then,
// naming the item, instead of failing later on a missing action.
QAction* menuAction(const QObject& window, const char* name);
