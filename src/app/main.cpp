#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTextStream>
#include <cstdio>

#include "app/AccessibleFactory.h"
#include "app/ChronidexApp.h"
#include "cli/ScheduleCommand.h"
#include "desktop/Installation.h"
#include "dialogs/FormFont.h"
#include "locale/OkCaption.h"
#include "platform/linux/DisplayLoss.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/LocalInstanceMarker.h"
#include "platform/linux/TerminationSignals.h"

namespace {
// The schedule's command line: no window, no display, and the running clock
// only ever asked to reload.
int runCommandLine(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(CHRONIDEX_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const Installation installation(QCoreApplication::applicationFilePath());
    const QString current = QDir::currentPath();
    const QString folder = installation.commandFolder(current);
    if (folder != current) {
        // A first command before the clock's first start finds the folder too.
        for (const FolderLayout::Problem& problem : installation.layOutUserFolder()) {
            err << "chronidex: cannot lay out " << problem.path << ": "
                << (problem.reason.isEmpty() ? "the folder cannot be made" : problem.reason)
                << '\n';
        }
    }
    LocalInstanceMarker marker;
    ScheduleCommand command(current, QDateTime::currentDateTime(), out, err, marker, folder);
    return command.run(QCoreApplication::arguments());
}

// The installed clock runs in the user's folder, laid out afresh with what
// it lacks; elsewhere it runs in the current folder as it always has.
QString enterProgramFolder(Platform& platform) {
    const Installation installation(QCoreApplication::applicationFilePath());
    const QString folder = installation.clockFolder(QDir::currentPath());
    QStringList lines;
    for (const FolderLayout::Problem& problem : installation.layOutUserFolder()) {
        lines << (problem.reason.isEmpty()
                      ? QStringLiteral("папка «%1» не создаётся").arg(problem.path)
                      : QStringLiteral("«%1»: %2").arg(problem.path, problem.reason));
    }
    if (!lines.isEmpty()) {
        platform.showError(QStringLiteral("Папка программы «%1» разложена не полностью:\n%2")
                               .arg(folder, lines.join(QLatin1Char('\n'))));
    }
    // The launches' relative paths and the like: a folder that could not be
    // made leaves the current one, but the clock still looks for its files
    // where they belong and says what it misses.
    QDir::setCurrent(folder);
    return folder;
}
}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (ScheduleCommand::wanted(arguments)) {
        return runCommandLine(argc, argv);
    }
    TerminationSignals::holdUntilHandled();
    // The clock places its own windows, which Wayland does not allow: run on
    // XWayland there unless the user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    // Qt's shared-memory image upload waits for the X server after every
    // frame, a round trip and a wake-up each second for the face's few
    // changed pixels; sent over the connection they cost less.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    // Qt would abort without a display; a start without one says so in a line.
    if (!DisplayLoss::displayOpens()) {
        return 1;
    }
    DisplayLoss::watch(argv);
    QApplication app(argc, argv);
    installAccessibleFactory();
    DisplayLoss::started();
    QApplication::setApplicationName(QStringLiteral("Chronidex"));
    QApplication::setApplicationVersion(QStringLiteral(CHRONIDEX_VERSION));
    // Only tool windows and dialogs: closing the last message box must not
    // end the program; the clock window's closing does.
    QApplication::setQuitOnLastWindowClosed(false);
    // The menu and the message boxes in the forms' font.
    QApplication::setFont(formFont(11));
    // Every window carries the program's icon, for the desktops that show
    // a dialog in their taskbar or switcher.
    QIcon icon;
    for (const char* size : {"16", "32", "48", "64"}) {
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(QLatin1String(size)));
    }
    QApplication::setWindowIcon(icon);

    LinuxPlatform platform(okcaption::beside);
    const QString programFolder = enterProgramFolder(platform);
    ChronidexApp chronidex(platform);
    QObject::connect(&chronidex, &ChronidexApp::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    if (!chronidex.start(programFolder)) {
        return 0;  // another instance runs and has been asked to come forward
    }
    if (chronidex.ended()) {
        return 0;  // asked to end while the start showed a message
    }
    return app.exec();
}
