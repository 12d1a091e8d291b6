#pragma once

#include <QWidget>

#include <array>
#include <vector>

class QPushButton;

// The main window's row of picture buttons, Command1_0 ... Command1_11, along the top of the
// client area: each runs its menu item (the table kToolbar). Tab goes through them from left to
// right, as they stand, not by their numbers.
class Toolbar : public QWidget {
    Q_OBJECT

public:
    // Binds each button to the item of that name among the window's actions.
    Toolbar(const QObject& window, QWidget* client);

    // The button of that design number.
    QPushButton* button(int index) const { return buttons_[index]; }

    // The buttons from left to right.
    const std::vector<QPushButton*>& buttonsFromLeft() const { return buttonsFromLeft_; }

private:
    std::array<QPushButton*, 12> buttons_{}; // by design number
    std::vector<QPushButton*> buttonsFromLeft_;
};
