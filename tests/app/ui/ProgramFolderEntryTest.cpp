#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "app/ProgramFolderEntry.h"
#include "desktop/Installation.h"

namespace {

// The installed program: an executable in usr/bin, the supplied folder where
// the package puts it, and the user's folder under XDG_DATA_HOME, which the
// rows damage.
class InstalledTree {
  public:
    InstalledTree() : oldData_(qgetenv("XDG_DATA_HOME")), oldCurrent_(QDir::currentPath()) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(root_.path() + QStringLiteral("/data")));
        plant(QStringLiteral("usr/bin/chronidex"));
        plant(supplied() + QStringLiteral("/system/system.ini"));
        for (int i = 0; i < 27; ++i) {
            plant(supplied() + QStringLiteral("/skins/skin%1.bmp").arg(i));
        }
        for (int month = 1; month <= 12; ++month) {
            plant(supplied() + QStringLiteral("/prazdniki/%1.prz").arg(month));
        }
    }
    ~InstalledTree() {
        qputenv("XDG_DATA_HOME", oldData_);
        QDir::setCurrent(oldCurrent_);
    }

    QString executable() const { return root_.path() + QStringLiteral("/usr/bin/chronidex"); }
    QString user() const { return root_.path() + QStringLiteral("/data/chronidex"); }
    QString supplied() const {
        return QDir::cleanPath(QStringLiteral("usr/bin/" CHRONIDEX_SUPPLIED_FROM_BIN));
    }
    // A file, made with the folders it lies in; relative to the tree.
    void plant(const QString& relative) const {
        const QString path = root_.path() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    }

  private:
    QTemporaryDir root_;
    QByteArray oldData_;
    QString oldCurrent_;
};

}  // namespace

// What could not be laid out is told in one message, a line a folder (not
// a line for each of the 27 skin files), and the clock runs in the user's
// folder all the same.
TEST(ProgramFolderEntry, TellsWhatCouldNotBeLaidOutOnceAFolder) {
    const struct {
        const char* name;
        QStringList filesInTheWay;  // where the user's folder needs a folder
        int lines;                  // of the message; none without a message
    } rows[] = {
        {"all laid out", {}, 0},
        {"skins cannot be made", {"skins"}, 2},
        {"skins and prazdniki cannot be made", {"skins", "prazdniki"}, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const InstalledTree tree;
        for (const QString& name : row.filesInTheWay) {
            tree.plant(QStringLiteral("data/chronidex/") + name);
        }
        FakePlatform platform;
        const Installation installation(tree.executable());
        ASSERT_TRUE(installation.installed());
        ProgramFolderEntry entry(platform, installation);
        EXPECT_EQ(entry.enter(), tree.user());
        EXPECT_EQ(QDir::currentPath(), tree.user());
        EXPECT_TRUE(QFileInfo::exists(tree.user() + QStringLiteral("/system/system.ini")));
        ASSERT_EQ(platform.errors.size(), row.lines > 0 ? 1 : 0);
        if (row.lines > 0) {
            const QStringList lines = platform.errors.first().split(QLatin1Char('\n'));
            EXPECT_EQ(lines.size(), row.lines) << platform.errors.first().toStdString();
            for (const QString& name : row.filesInTheWay) {
                EXPECT_TRUE(platform.errors.first().contains(tree.user() + QLatin1Char('/') + name +
                                                             QStringLiteral("»")));
            }
        }
        EXPECT_FALSE(entry.endRequested());
    }
}

// A log-out while that message is up must find a handler already there: it
// closes the message, and the start goes no further. Once the entry is
// done, the request waits for the clock's own handler.
TEST(ProgramFolderEntry, ARequestToEndDuringItsMessageEndsTheStart) {
    const InstalledTree tree;
    tree.plant(QStringLiteral("data/chronidex/skins"));
    FakePlatform platform;
    const Installation installation(tree.executable());
    bool heard = false;
    {
        ProgramFolderEntry entry(platform, installation);
        platform.onError = [&](const QString&) {
            ASSERT_TRUE(platform.endRequest) << "no handler while the message is up";
            platform.endRequest();
            heard = true;
        };
        entry.enter();
        EXPECT_TRUE(heard);
        EXPECT_TRUE(entry.endRequested());
    }
    EXPECT_FALSE(platform.endRequest);
}
