#pragma once

#include <QIcon>

// The desktop entry the program's windows belong to: mosaikon.desktop.
inline constexpr char kDesktopFileName[] = "mosaikon";

// The program's icon in every size it ships, drawn for each size so that none is scaled.
QIcon applicationIcon();

// Names the program, its desktop entry and its icon to the windowing system; every window and
// dialog without an icon of its own shows the program's.
void setApplicationIdentity();

// The program keeps no settings between runs. Qt's file dialog keeps its history, last folder and
// column widths in the user's QtProject.conf and reads them back in the next run, so every
// settings file of the process is looked for where none can be made. Called once at start-up,
// before any dialog exists.
void keepNoSettings();
