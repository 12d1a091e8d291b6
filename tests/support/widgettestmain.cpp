#include "applicationidentity.h"

#include <QApplication>
#include <QtGlobal>
#include <gtest/gtest.h>

// Widget tests need a QApplication; they run without a display unless one is asked for, also
// when the build lists the tests.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    keepNoSettings();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
