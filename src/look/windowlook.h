#pragma once

#include <QFont>

class QWidget;

// The look every window of the program shares: its font and its first place on the screen.

// The small sans face the windows are laid out for: their captions fit their fixed places in it.
QFont designFont();

// Moves a window so that its centre stands on the centre of its screen's free area.
void centreOnScreen(QWidget& window);
