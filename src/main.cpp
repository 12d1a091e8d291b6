#include "applicationidentity.h"
#include "commandline.h"
#include "displaycheck.h"
#include "logowindow.h"
#include "mainwindow.h"
#include "programname.h"
#include "qtprompts.h"
#include "toolstatus.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The arguments as Qt reads them, before any QCoreApplication exists.
QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments.append(QString::fromLocal8Bit(argv[index]));
    }
    return arguments;
}

// Qt takes its wayland plugin whenever WAYLAND_DISPLAY is set, also inside an X11 session, and
// Wayland leaves no window where the program puts it: the splash would not be centred, nor the
// help window beside the main window. With an X display at hand the program runs there, through
// XWayland on a Wayland desktop. A platform the user names, here or by -platform, is kept.
void preferXWhereReachable(const QStringList& arguments) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY")) {
        return;
    }
    const QStringList onX11 = {arguments.front(), QStringLiteral("-platform"),
                               QStringLiteral("xcb")};
    if (unreachableDisplay(onX11).isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

void nameProgram() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOSAIKON_VERSION));
}

} // namespace

int main(int argc, char** argv) {
    // Help, version and a wrong option answer before anything connects to a display.
    const QStringList arguments = argumentsOf(argc, argv);
    const CommandLine commandLine = readCommandLine(arguments);
    if (!commandLine.startsWindow) {
        QCoreApplication app(argc, argv);
        nameProgram();
        return printCommandLineText(arguments);
    }
    preferXWhereReachable(arguments);
    // Without a display QApplication would abort; one line and a failure instead.
    if (const QString reason = unreachableDisplay(arguments); !reason.isEmpty()) {
        sayOnStderr(kCalledAs, reason.toStdString());
        return kExitFailed;
    }

    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    nameProgram();
    setApplicationIdentity();
    keepNoSettings();
    const QString givenFile = commandLine.file;

    // Qt's own buttons and dialogs speak Russian like the rest of the program, and so do the
    // descriptions of file types in the file dialog.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Russian), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }

    // The splash comes first: the main window sets up its document once the splash is hidden
    // by a key, a click or the end of its count. The same window later serves as the About box.
    LogoWindow logo;
    logo.exec();

    QtPrompts prompts;
    MainWindow window(prompts);
    window.setLogoWindow(&logo);
    prompts.setOwner(&window);
    window.show();
    // A file named on the command line opens once the window is on screen, so that a message
    // about it has its owner, and exactly as the Open or Import command would open it.
    if (!givenFile.isEmpty()) {
        QMetaObject::invokeMethod(
            &window, [&window, givenFile] { window.openPath(givenFile); }, Qt::QueuedConnection);
    }
    return QApplication::exec();
}
