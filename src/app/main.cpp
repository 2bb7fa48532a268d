#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QProcessEnvironment>
#include <QTextStream>
#include <cstdio>

#include "app/AccessibleFactory.h"
#include "app/ChronidexApp.h"
#include "app/ProgramFolderEntry.h"
#include "cli/LayOutCommand.h"
#include "cli/ScheduleCommand.h"
#include "desktop/Installation.h"
#include "dialogs/FormFont.h"
#include "locale/OkCaption.h"
#include "platform/linux/DisplayLoss.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/LocalInstanceMarker.h"
#include "platform/linux/TerminationSignals.h"
#include "texts/TextLanguage.h"

namespace {
// The schedule's command line: no window, no display, English as in its
// --help, and the running clock only ever asked to reload.
int runCommandLine(int argc, char** argv) {
    texts::speakEnglish();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(CHRONIDEX_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const Installation installation(QCoreApplication::applicationFilePath());
    const QString current = QDir::currentPath();
    const QString folder = installation.commandFolder(current);
    if (folder != current) {
        // A first command before the clock's first start finds the folder too.
        for (const FolderLayout::FolderProblems& problem :
             FolderLayout::byFolder(installation.layOutUserFolder())) {
            err << "chronidex: cannot lay out " << problem.folder << ": ";
            if (problem.notMade) {
                err << "the folder cannot be made";
            } else {
                err << problem.files << " files not copied ("
                    << problem.reasons.join(QLatin1String("; ")) << ')';
            }
            err << '\n';
        }
    }
    LocalInstanceMarker marker;
    ScheduleCommand command(current, QDateTime::currentDateTime(), out, err, marker, folder);
    return command.run(QCoreApplication::arguments());
}

// tools/layout.sh's layout of a program folder.
int runLayOut(int argc, char** argv) {
    texts::speakEnglish();
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    return LayOutCommand(QDir::currentPath(), QProcessEnvironment::systemEnvironment(), err)
        .run(QCoreApplication::arguments());
}

// The clock places its own windows, which Wayland does not allow: run on
// XWayland there unless the user chose a platform. Qt's shared-memory image
// upload waits for the X server after every frame, a round trip and a
// wake-up each second for the face's few changed pixels; sent over the
// connection they cost less.
void preferX11() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
}

void describeApplication() {
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
}
}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (LayOutCommand::wanted(arguments)) {
        return runLayOut(argc, argv);
    }
    if (ScheduleCommand::wanted(arguments)) {
        return runCommandLine(argc, argv);
    }
    TerminationSignals::holdUntilHandled();
    preferX11();
    // Qt would abort without a display; a start without one says so in a line.
    if (!DisplayLoss::displayOpens()) {
        return 1;
    }
    DisplayLoss::watch(argv);
    QApplication app(argc, argv);
    installAccessibleFactory();
    DisplayLoss::started();
    describeApplication();

    LinuxPlatform platform(okcaption::beside);
    QString programFolder;
    {
        // The installed clock runs in the user's folder; elsewhere in the
        // current folder.
        const Installation installation(QCoreApplication::applicationFilePath());
        ProgramFolderEntry entry(platform, installation);
        programFolder = entry.enter();
        if (entry.endRequested()) {
            return 0;  // asked to end while the start showed its message
        }
    }
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
