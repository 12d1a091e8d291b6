#pragma once

#include <QString>
#include <QStringList>

// Whether the window system that QApplication is about to connect to can be reached. Qt ends a
// program that has no display with an abort and advice to reinstall it; this asks first, with
// the same choice of platform Qt makes: a -platform argument, else QT_QPA_PLATFORM, else X11 or
// Wayland, whichever answers. X11 is asked through libxcb (DISPLAY, or a -display argument),
// Wayland by connecting to its socket (WAYLAND_DISPLAY in XDG_RUNTIME_DIR, wayland-0 when
// unset). Platforms without a display (offscreen, minimal, vnc, eglfs, ...) always pass.
// Returns the reason, naming the displays tried ("cannot open display \":99\"") or saying that
// none is set, or nothing when a display answers. Reads the arguments before any QCoreApplication
// exists.
QString unreachableDisplay(const QStringList& arguments);
