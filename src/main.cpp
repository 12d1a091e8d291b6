#include "mainwindow.h"
#include "qtprompts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Mosaikon");

    // Qt's own buttons and dialogs speak Russian like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Russian), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }

    QtPrompts prompts;
    MainWindow window(prompts);
    prompts.setOwner(&window);
    window.show();
    return QApplication::exec();
}
