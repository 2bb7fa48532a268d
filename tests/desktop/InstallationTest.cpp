#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "desktop/Installation.h"

namespace {

// Folders end in '/'; anything else is an executable file.
void plant(const QString& root, const QStringList& paths) {
    for (const QString& relative : paths) {
        const QString path = root + QLatin1Char('/') + relative;
        if (relative.endsWith(QLatin1Char('/'))) {
            QDir().mkpath(path);
            continue;
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
}

// The environment variable for one test, put back afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value.toLocal8Bit());
        }
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// The supplied folder where the package puts it beside usr/bin.
const QString kShare =
    QDir::cleanPath(QStringLiteral("usr/bin/" CHRONIDEX_SUPPLIED_FROM_BIN "/system")) + '/';

}  // namespace

TEST(Installation, TheInstalledProgramRunsInTheUsersFolderAndOthersWhereTheyStart) {
    const struct {
        const char* name;
        QStringList tree;
        QString executable;
        bool installed;
    } cases[] = {
        {"the package's layout",
         {QStringLiteral("usr/bin/chronidex"), kShare},
         QStringLiteral("usr/bin/chronidex"),
         true},
        {"./run.sh's program folder",
         {QStringLiteral("clock/chronidex"), QStringLiteral("clock/system/")},
         QStringLiteral("clock/chronidex"),
         false},
        {"the build",
         {QStringLiteral("build/src/chronidex")},
         QStringLiteral("build/src/chronidex"),
         false},
        {"a share folder that is no program folder",
         {QStringLiteral("usr/bin/chronidex"), QStringLiteral("usr/share/chronidex/skins/")},
         QStringLiteral("usr/bin/chronidex"),
         false},
        {"a program folder beside the executable, a share folder too",
         {QStringLiteral("usr/bin/chronidex"), QStringLiteral("usr/bin/System/"), kShare},
         QStringLiteral("usr/bin/chronidex"),
         false},
    };
    for (const auto& c : cases) {
        QTemporaryDir root;
        const ScopedEnv data("XDG_DATA_HOME", root.path() + QStringLiteral("/data"));
        // The user's folder holds a copy an earlier ./run.sh left there.
        plant(root.path(),
              c.tree + QStringList{QStringLiteral("data/chronidex/chronidex"),
                                   QStringLiteral("data/chronidex/system/"),
                                   QStringLiteral("work/system/"), QStringLiteral("plain/")});
        const QString user = root.path() + QStringLiteral("/data/chronidex");
        const QString work = root.path() + QStringLiteral("/work");
        const QString plain = root.path() + QStringLiteral("/plain");
        const QString executable = root.path() + QLatin1Char('/') + c.executable;
        const Installation installation(executable);

        EXPECT_EQ(installation.installed(), c.installed) << c.name;
        EXPECT_EQ(installation.clockFolder(plain), c.installed ? user : plain) << c.name;
        EXPECT_EQ(installation.clockFolder(work), c.installed ? user : work) << c.name;
        EXPECT_EQ(installation.commandFolder(plain), c.installed ? user : plain) << c.name;
        EXPECT_EQ(installation.commandFolder(work), work) << c.name;
        EXPECT_EQ(installation.executableFor(user),
                  c.installed ? executable : user + QStringLiteral("/chronidex"))
            << c.name;
        EXPECT_EQ(installation.executableFor(work), executable) << c.name;
    }
}

TEST(Installation, LaysOutTheUsersFolderWhereTheDataHomeIs) {
    const struct {
        const char* name;
        const char* dataHome;  // null: unset
        const char* userFolder;
    } cases[] = {
        {"XDG_DATA_HOME set", "xdg", "xdg/chronidex"},
        {"XDG_DATA_HOME unset", nullptr, "home/.local/share/chronidex"},
    };
    for (const auto& c : cases) {
        QTemporaryDir root;
        const QString base = root.path() + QLatin1Char('/');
        const ScopedEnv home("HOME", base + QStringLiteral("home"));
        const ScopedEnv data("XDG_DATA_HOME",
                             c.dataHome ? base + QLatin1String(c.dataHome) : QString());
        plant(root.path(), {QStringLiteral("usr/bin/chronidex"), kShare});
        QFile::copy(QStringLiteral(CHRONIDEX_DATA_TREE "/system/system.ini"),
                    base + kShare + QStringLiteral("system.ini"));

        const Installation installation(base + QStringLiteral("usr/bin/chronidex"));
        EXPECT_EQ(Installation::userFolder(), base + QLatin1String(c.userFolder)) << c.name;
        EXPECT_TRUE(installation.layOutUserFolder().isEmpty()) << c.name;
        EXPECT_TRUE(QFileInfo::exists(base + QLatin1String(c.userFolder) +
                                      QStringLiteral("/system/system.ini")))
            << c.name;
    }
}

TEST(Installation, TheFirstStartInTheUsersFolderIsInTheDesktopsLanguage) {
    QTemporaryDir root;
    const QString base = root.path() + QLatin1Char('/');
    const ScopedEnv data("XDG_DATA_HOME", base + QStringLiteral("data"));
    const ScopedEnv all("LC_ALL", QString());
    const ScopedEnv messages("LC_MESSAGES", QString());
    plant(root.path(), {QStringLiteral("usr/bin/chronidex"), kShare});
    QFile::copy(QStringLiteral(CHRONIDEX_DATA_TREE "/system/system.ini"),
                base + kShare + QStringLiteral("system.ini"));
    const Installation installation(base + QStringLiteral("usr/bin/chronidex"));
    const QString bootstrap = Installation::userFolder() + QStringLiteral("/system/lang.ini");
    const auto bootstrapText = [&bootstrap] {
        QFile file(bootstrap);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    };

    {
        const ScopedEnv lang("LANG", QStringLiteral("fr_FR.UTF-8"));
        EXPECT_TRUE(installation.layOutUserFolder().isEmpty());
    }
    EXPECT_EQ(bootstrapText(), QByteArray("[Lang]\r\nLang=fre\r\n"));
    // The first start read it and deleted it; the next starts are in English.
    QFile::remove(bootstrap);
    const ScopedEnv lang("LANG", QStringLiteral("en_US.UTF-8"));
    EXPECT_TRUE(installation.layOutUserFolder().isEmpty());
    EXPECT_EQ(bootstrapText(), QByteArray("(none)"));
}
