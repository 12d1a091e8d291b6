#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

// Runs `open`, which should show a dialog of type T modally and wait in its event loop, and lets
// `drive` work the dialog from inside that loop. Returns whether there was such a dialog to
// drive. A dialog left open is rejected after a few seconds and the test fails, so no test can
// hang.
template <typename T>
bool driveModalDialog(const std::function<void()>& open, const std::function<void(T&)>& drive) {
    constexpr int kGuardMs = 5000;
    QObject timers;
    bool driven = false;
    QTimer::singleShot(0, &timers, [&] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            driven = true;
            drive(*dialog);
        }
    });
    // Whatever dialog is still open then, of this type or another, would keep the test waiting.
    QTimer::singleShot(kGuardMs, &timers, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->reject();
        }
    });
    open();
    return driven;
}
