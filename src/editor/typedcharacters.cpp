#include "typedcharacters.h"

#include "designmenus.h"
#include "mainwindowdesign.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

TypedCharacters::TypedCharacters(const QObject& window, const QWidget* field, QObject* parent)
    : QObject(parent), field_(field) {
    for (const TypedCharacter& entry : kTypedCharacters) {
        actions_.push_back(menuAction(window, entry.action));
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
