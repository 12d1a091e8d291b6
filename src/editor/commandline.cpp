#include "commandline.h"

#include "toolstatus.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QUrl>

#include <cstdio>

namespace {

QCommandLineOption versionOption() {
    // -V as the other programs take it; Qt's -v stays as well.
    return QCommandLineOption({QStringLiteral("V"), QStringLiteral("v"), QStringLiteral("version")},
                              QStringLiteral("Displays version information."));
}

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
    parser.addOption(versionOption());
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

// What is wrong with the arguments, said as the other programs say it: "unknown option --x",
// the option named as it was typed.
QString problemWith(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        return parser.errorText();
    }
    const QString& name = unknown.first();
    QString typed = (name.size() == 1 ? "-" : "--") + name;
    for (const QString& argument : arguments.mid(1)) {
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        if (option == "-" + name || option == "--" + name) {
            typed = option;
            break;
        }
    }
    return QStringLiteral("unknown option ") + typed;
}

int printCommandLineText(const QStringList& arguments) {
    QCommandLineParser parser;
    describeCommandLine(parser);
    if (!parser.parse(arguments)) {
        return wrongCommandLine(kCalledAs, problemWith(parser, arguments).toStdString());
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return kExitDone;
    }
    // Prints the help and ends the program.
    parser.process(arguments);
    return kExitDone;
}
