#include "physicalkeyshortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// The letter keys of a standard PC keyboard by their X11 keycodes (the Linux input codes plus
// 8), which stay the same whatever layout is chosen.
struct LetterKey {
    quint32 keycode;
    Qt::Key letter;
};

constexpr LetterKey kLetterKeys[] = {
    {24, Qt::Key_Q}, {25, Qt::Key_W}, {26, Qt::Key_E}, {27, Qt::Key_R}, {28, Qt::Key_T},
    {29, Qt::Key_Y}, {30, Qt::Key_U}, {31, Qt::Key_I}, {32, Qt::Key_O}, {33, Qt::Key_P},
    {38, Qt::Key_A}, {39, Qt::Key_S}, {40, Qt::Key_D}, {41, Qt::Key_F}, {42, Qt::Key_G},
    {43, Qt::Key_H}, {44, Qt::Key_J}, {45, Qt::Key_K}, {46, Qt::Key_L}, {52, Qt::Key_Z},
    {53, Qt::Key_X}, {54, Qt::Key_C}, {55, Qt::Key_V}, {56, Qt::Key_B}, {57, Qt::Key_N},
    {58, Qt::Key_M},
};

Qt::Key latinLetterOf(quint32 keycode) {
    for (const LetterKey& key : kLetterKeys) {
        if (key.keycode == keycode) {
            return key.letter;
        }
    }
    return Qt::Key_unknown;
}

bool isLatinLetter(int key) {
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

} // namespace

PhysicalKeyShortcuts::PhysicalKeyShortcuts(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

// A key press reaches a widget only when no shortcut took it, so an action triggered here
// never runs twice.
bool PhysicalKeyShortcuts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) {
        return false;
    }
    const auto* press = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = press->modifiers() & ~Qt::KeypadModifier;
    // A letter typed without Ctrl, Alt or Meta is text, not a shortcut.
    const auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (!(modifiers & commandModifiers) || isLatinLetter(press->key())) {
        return false;
    }
    const Qt::Key letter = latinLetterOf(press->nativeScanCode());
    if (letter == Qt::Key_unknown) {
        return false;
    }
    const QKeySequence shortcut(QKeyCombination(modifiers, letter));
    for (QAction* action : window_->findChildren<QAction*>()) {
        if (action->isEnabled() && action->shortcuts().contains(shortcut) &&
            (action->autoRepeat() || !press->isAutoRepeat())) {
            action->trigger();
            return true;
        }
    }
    return false;
}
