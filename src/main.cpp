#include "applicationidentity.h"
#include "logowindow.h"
#include "mainwindow.h"
#include "qtprompts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    setApplicationIdentity();

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
    return QApplication::exec();
}
