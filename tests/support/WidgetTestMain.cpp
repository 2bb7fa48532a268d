#include <gtest/gtest.h>

#include <QApplication>

#include "app/AccessibleFactory.h"

// Widget tests run with a QApplication on the offscreen platform, so they
// draw without a display, and with the program's accessible interfaces.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    installAccessibleFactory();  // as the program does, before any window
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
