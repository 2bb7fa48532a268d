#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/LayOutCommand.h"

// tools/layout.sh's call: the supplied folder and the folder to lay out,
// relative to the current folder, the desktop's language from the
// environment.
TEST(LayOutCommand, LaysOutAFolderOrSaysWhyNot) {
    const struct {
        const char* name;
        QStringList arguments;  // after "chronidex lay-out"
        int status;
        bool laidOut;  // the target has the settings and the bootstrap
        const char* error;
    } cases[] = {
        {"a new folder", {"data", "home/clock"}, 0, true, ""},
        {"no target", {"data"}, 2, false, "lay-out takes"},
        {"one word too many", {"data", "home/clock", "x"}, 2, false, "lay-out takes"},
        {"a supplied folder that is none", {"home", "home/clock"}, 1, false, "no system folder"},
        {"a file where the target belongs", {"data", "file/clock"}, 1, false, "cannot lay out"},
    };
    for (const auto& c : cases) {
        QTemporaryDir current;
        const QDir dir(current.path());
        dir.mkpath(QStringLiteral("data/system"));
        dir.mkpath(QStringLiteral("home"));
        for (const char* name : {"data/system/system.ini", "file"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            file.open(QIODevice::WriteOnly);
        }
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("LANG"), QStringLiteral("en_GB.UTF-8"));
        QString error;
        QTextStream err(&error);

        const int status = LayOutCommand(current.path(), environment, err)
                               .run(QStringList{"chronidex", "lay-out"} + c.arguments);
        EXPECT_EQ(status, c.status) << c.name;
        for (const char* file : {"home/clock/system/system.ini", "home/clock/system/lang.ini"}) {
            EXPECT_EQ(dir.exists(QLatin1String(file)), c.laidOut) << c.name << ": " << file;
        }
        EXPECT_TRUE(*c.error ? error.contains(QLatin1String(c.error)) : error.isEmpty())
            << c.name << ": " << qPrintable(error);
    }
}
