#pragma once

#include <QString>
#include <QStringList>

// The name the program's messages on stderr start with, as it is called.
inline constexpr char kCalledAs[] = "mosaikon";

// What the command line asks for, worked out before the program connects to any display, so
// that help, version and a wrong option answer without one.
struct CommandLine {
    // False for help, version and an option the program does not know: printCommandLineText
    // answers them without a window.
    bool startsWindow = true;
    // The file to open: the first one given, a file: URI turned into its path.
    QString file;
};

// Reads the arguments (the program's name first). Qt's own options (-platform, -style,
// -display, ...) are known here and passed over with their values: QApplication takes them.
CommandLine readCommandLine(const QStringList& arguments);

// Prints the help or the version that the arguments ask for, or the wrong option and where the
// help is, as the program's whole answer. Needs a QCoreApplication; returns the exit status.
int printCommandLineText(const QStringList& arguments);
