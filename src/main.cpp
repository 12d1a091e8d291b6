#include "applicationidentity.h"
#include "logowindow.h"
#include "mainwindow.h"
#include "programname.h"
#include "qtprompts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

// The exit status for a command line the program does not understand.
constexpr int kUsageError = 2;

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Editor for the small monochrome pictures and animations of EMS messages."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("An .ems picture or .ema animation to open, or a two-colour .bmp file to "
                       "import. Of several files the first is opened."),
        QStringLiteral("[FILE]"));
}

// Help and version are found before anything connects to the windowing system, so that they
// print without a display. Qt's own options (-style, -platform, ...) are not known yet here: only
// QApplication takes them out of the arguments.
bool asksForTextOnly(int argc, char** argv) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments.append(QString::fromLocal8Bit(argv[index]));
    }
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.parse(arguments);
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
           parser.isSet(QStringLiteral("version"));
}

// Parses the application's arguments. Help and version print and end the program, as does an
// unknown option, with the usage on stderr. Returns the file to open, or nothing.
QString fileFromCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    describeCommandLine(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(parser.errorText()),
                     qPrintable(parser.helpText()));
        std::exit(kUsageError);
    }
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    return files.isEmpty() ? QString() : files.first();
}

void nameProgram() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOSAIKON_VERSION));
}

} // namespace

int main(int argc, char** argv) {
    if (asksForTextOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameProgram();
        fileFromCommandLine(app);
        return EXIT_SUCCESS;
    }

    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    nameProgram();
    setApplicationIdentity();
    keepNoSettings();
    const QString givenFile = fileFromCommandLine(app);

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
