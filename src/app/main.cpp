#include <QApplication>
#include <QDir>

#include "app/ChronidexApp.h"
#include "platform/linux/LinuxPlatform.h"

int main(int argc, char** argv) {
    // The clock places its own windows, which Wayland does not allow: run on
    // XWayland there unless the user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chronidex"));
    // Only tool windows and dialogs: closing the last message box must not
    // end the program; the clock window's closing does.
    QApplication::setQuitOnLastWindowClosed(false);

    LinuxPlatform platform;
    ChronidexApp chronidex(platform);
    QObject::connect(&chronidex, &ChronidexApp::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    if (!chronidex.start(QDir::currentPath())) {
        return 0;  // another instance runs and has been asked to come forward
    }
    return app.exec();
}
