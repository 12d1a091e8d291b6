#pragma once

#include <QObject>

#include <vector>

class QAction;
class QPushButton;
class QWidget;

// Runs the menu item of a character typed on the drawing field or on a toolbar button, by the
// table kTypedCharacters: the digits scroll on both, the frame characters work on the field
// only. It watches the keys pressed on the field and on each button; other keys pass on.
class TypedCharacters : public QObject {
    Q_OBJECT

public:
    // Looks every item of the table up among the window's actions at once.
    TypedCharacters(const QObject& window, QWidget* field,
                    const std::vector<QPushButton*>& toolbarButtons, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QObject* field_;
    std::vector<QAction*> actions_; // the item of each entry of kTypedCharacters, in its order
};
