#include "typedcharacters.h"

#include "designmenus.h"
#include "mainwindowdesign.h"

#include <QAction>
#include <QKeyEvent>
#include <QPushButton>

TypedCharacters::TypedCharacters(const QObject& window, QWidget* field,
                                 const std::vector<QPushButton*>& toolbarButtons, QObject* parent)
    : QObject(parent), field_(field) {
    for (const TypedCharacter& entry : kTypedCharacters) {
        actions_.push_back(menuAction(window, entry.action));
    }
    field->installEventFilter(this);
    for (QPushButton* button : toolbarButtons) {
        button->installEventFilter(this);
    }
}

bool TypedCharacters::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.size() != 1) {
        return false;
    }
    const bool onField = watched == field_;
    for (std::size_t index = 0; index < actions_.size(); ++index) {
        const TypedCharacter& entry = kTypedCharacters[index];
        if (entry.character == text.front() && (onField || entry.onToolbarToo)) {
            actions_[index]->trigger();
            return true;
        }
    }
    return false;
}
