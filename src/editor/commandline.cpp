#include "commandline.h"

#include <QCommandLineParser>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace {

// The exit status for a command line the program does not understand.
constexpr int kUsageError = 2;

// Qt's options for every graphical program, as QGuiApplication, QApplication and the X11
// platform take them out of the arguments, each with one or two dashes.
const char* const kQtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "display",
    "geometry",
    "title",
    "icon",
    "name",
    "visual",
    "style",
    "stylesheet",
    "qmljsdebugger",
};
const char* const kQtFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Editor for the small monochrome pictures and animations of EMS messages."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("An .ems picture or .ema animation to open, a two-colour .bmp file to "
                       "import, or a common image (PNG, JPEG, GIF, WebP, TIFF, a colour BMP, ...) "
                       "to open in two colours, as a path or a file: URI. Of several files the "
                       "first is opened."),
        QStringLiteral("[FILE]"));
    // Qt's options take one dash, as in -style, so a word after one dash is one option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// A desktop may hand over a file: URI, with its escapes (%20, %D0%9F, ...); it names the file
// its path names. Anything else is a path as typed.
QString pathOf(const QString& argument) {
    const QUrl url(argument);
    return url.isValid() && url.isLocalFile() ? url.toLocalFile() : argument;
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    describeCommandLine(parser);
    CommandLine result;
    if (!parser.parse(arguments) || parser.isSet(QStringLiteral("help")) ||
        parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version"))) {
        result.startsWindow = false;
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) {
        result.file = pathOf(files.first());
    }
    return result;
}

int printCommandLineText(const QStringList& arguments) {
    QCommandLineParser parser;
    describeCommandLine(parser);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(parser.errorText()),
                     qPrintable(parser.helpText()));
        return kUsageError;
    }
    // Prints the help or the version and ends the program.
    parser.process(arguments);
    return EXIT_SUCCESS;
}
