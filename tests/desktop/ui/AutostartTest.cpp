#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "DesktopFixture.h"
#include "desktop/AutostartEntry.h"
#include "desktop/AutostartSwitch.h"
#include "desktop/ui/AutostartDialog.h"

namespace {

QString entryText(const QString& programFolder) {
    return AutostartEntry::text(programFolder, programFolder + QStringLiteral("/chronidex"));
}

}  // namespace

TEST(AutostartEntryText, StartsTheProgramInItsFolder) {
    EXPECT_EQ(entryText(QStringLiteral("/home/ann/chronidex")),
              QStringLiteral("[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Chronidex\n"
                             "Exec=/home/ann/chronidex/chronidex\n"
                             "Path=/home/ann/chronidex\n"
                             "X-GNOME-Autostart-enabled=true\n"));
    // A trailing slash gives no doubled one.
    EXPECT_TRUE(entryText(QStringLiteral("/opt/clock/"))
                    .contains(QStringLiteral("\nExec=/opt/clock/chronidex\nPath=/opt/clock\n")));
    // The installed program keeps its executable outside the user's folder.
    EXPECT_TRUE(AutostartEntry::text(QStringLiteral("/home/ann/.local/share/chronidex"),
                                     QStringLiteral("/usr/bin/chronidex"))
                    .contains(QStringLiteral("\nExec=/usr/bin/chronidex\n"
                                             "Path=/home/ann/.local/share/chronidex\n")));
}

TEST(AutostartEntryText, QuotesAndEscapesTheProgramPathAsDesktopEntriesRequire) {
    // In the file: the Exec quoting first, then the string escapes on top, so
    // a backslash from the quoting is written doubled.
    const struct {
        const char* folder;
        const char* exec;
        const char* path;
    } cases[] = {
        {"/home/ann/My Clock", R"("/home/ann/My Clock/chronidex")", "/home/ann/My Clock"},
        {"/opt/a$b", R"("/opt/a\\$b/chronidex")", "/opt/a$b"},
        {"/opt/say \"hi\"", R"("/opt/say \\"hi\\"/chronidex")", "/opt/say \"hi\""},
        {"/opt/tick`s", R"("/opt/tick\\`s/chronidex")", "/opt/tick`s"},
        {"/opt/back\\slash", R"("/opt/back\\\\slash/chronidex")", R"(/opt/back\\slash)"},
        {"/opt/100%", R"(/opt/100%%/chronidex)", "/opt/100%"},
        {"/opt/50% off", R"("/opt/50%% off/chronidex")", "/opt/50% off"},
        {"/opt/ann's", R"("/opt/ann's/chronidex")", "/opt/ann's"},
        {"/opt/a=b", R"("/opt/a=b/chronidex")", "/opt/a=b"},
        {"/opt/line\nbreak", R"("/opt/line\nbreak/chronidex")", R"(/opt/line\nbreak)"},
        {"/opt/Часы", "/opt/Часы/chronidex", "/opt/Часы"},
    };
    for (const auto& c : cases) {
        const QString text = entryText(QString::fromUtf8(c.folder));
        EXPECT_TRUE(text.contains(QStringLiteral("\nExec=") + QString::fromUtf8(c.exec) +
                                  QStringLiteral("\nPath=") + QString::fromUtf8(c.path) +
                                  QLatin1Char('\n')))
            << text.toStdString();
    }
    EXPECT_FALSE(AutostartEntry::canCarry(QStringLiteral("/opt/bell\x07")));
    EXPECT_TRUE(AutostartEntry::canCarry(QStringLiteral("/opt/Часы и $")));
}

class Autostart : public DesktopFixture {
  protected:
    QString entryPath() const {
        return platform.autostart + QStringLiteral("/chronidex autorun.desktop");
    }
    QByteArray entryBytes() const {
        QFile file(entryPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void plantEntry(const QByteArray& bytes) {
        QDir().mkpath(platform.autostart);
        QFile file(entryPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    AutostartEntry entry() const {
        return AutostartEntry(platform.autostart, folder.root(), program.executable());
    }
    QByteArray dialogsEntry() const {
        return AutostartEntry::text(folder.root(), program.executable()).toUtf8();
    }
};

TEST_F(Autostart, CreatesTheEntryInAMissingFolderButNeverOverAnExistingOne) {
    ASSERT_FALSE(QFileInfo::exists(platform.autostart));
    EXPECT_FALSE(entry().exists());
    EXPECT_TRUE(entry().create());
    EXPECT_TRUE(entry().exists());
    EXPECT_EQ(entryBytes(), dialogsEntry());

    plantEntry("[Desktop Entry]\nExec=/somewhere/else\n");
    EXPECT_FALSE(entry().create());
    EXPECT_EQ(entryBytes(), QByteArray("[Desktop Entry]\nExec=/somewhere/else\n"));

    EXPECT_TRUE(entry().remove());
    EXPECT_FALSE(entry().exists());
    EXPECT_TRUE(entry().remove());
}

TEST_F(Autostart, ADanglingLinkHoldsTheNameAndIsNotWrittenThrough) {
    QDir().mkpath(platform.autostart);
    const QString target = folder.path(QStringLiteral("system/not-there"));
    ASSERT_TRUE(QFile::link(target, entryPath()));
    EXPECT_TRUE(entry().exists());
    EXPECT_FALSE(entry().create());
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(entry().remove());
    EXPECT_FALSE(QFileInfo(entryPath()).isSymLink());
}

TEST_F(Autostart, WithoutAStartupFolderNothingIsTouched) {
    const AutostartEntry none(QString(), folder.root(), program.executable());
    EXPECT_TRUE(none.path().isEmpty());
    EXPECT_FALSE(none.exists());
    EXPECT_FALSE(none.create());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("chronidex autorun.desktop")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/chronidex autorun.desktop")));
}

TEST_F(Autostart, TheShownQuestionDecidesAndIdenticalQuestionsAlwaysCreate) {
    const AutostartSwitch distinct(entry(), QStringLiteral("on?"), QStringLiteral("off?"));
    EXPECT_EQ(distinct.question(), QStringLiteral("off?"));
    distinct.carryOut(distinct.question());
    EXPECT_TRUE(entry().exists());
    EXPECT_EQ(distinct.question(), QStringLiteral("on?"));
    distinct.carryOut(distinct.question());
    EXPECT_FALSE(entry().exists());

    // Both empty, as with a language file that lacks the section.
    const AutostartSwitch same(entry(), QString(), QString());
    same.carryOut(same.question());
    EXPECT_TRUE(entry().exists());
    EXPECT_EQ(same.actionFor(same.question()), AutostartSwitch::Action::Create);
    same.carryOut(same.question());
    EXPECT_TRUE(entry().exists()) << "yes never deletes";
}

TEST_F(Autostart, DialogAsksFromTheEntrysPresenceAndSwitchesIt) {
    AutostartDialog dialog(context);
    EXPECT_EQ(dialog.size(), QSize(280, 118));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Autostart"));
    EXPECT_EQ(dialog.yesButton()->text(), QStringLiteral("Yes"));
    EXPECT_EQ(dialog.noButton()->text(), QStringLiteral("No"));
    EXPECT_EQ(dialog.questionLabel()->text(), QStringLiteral("Autostart is off. Turn it on?"));
    EXPECT_EQ(dialog.questionLabel()->geometry(), QRect(0, 24, 281, 17));

    activate(dialog);
    EXPECT_TRUE(state.dialogOpen);
    dialog.yesButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(state.dialogOpen);
    // The program's own executable, which need not lie in the program folder.
    EXPECT_EQ(entryBytes(), dialogsEntry());

    activate(dialog);
    EXPECT_EQ(dialog.questionLabel()->text(), QStringLiteral("Autostart is on. Turn it off?"));
    dialog.noButton()->click();
    EXPECT_TRUE(entry().exists());
    activate(dialog);
    dialog.yesButton()->click();
    EXPECT_FALSE(entry().exists());
    activate(dialog);
    EXPECT_EQ(dialog.questionLabel()->text(), QStringLiteral("Autostart is off. Turn it on?"));

    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty());
    EXPECT_EQ(program.restarts, 0);
}

TEST_F(Autostart, AnEntryMadeWhileTheQuestionIsShownIsLeftAlone) {
    AutostartDialog dialog(context);
    activate(dialog);
    plantEntry("made by hand\n");
    dialog.yesButton()->click();
    EXPECT_EQ(entryBytes(), QByteArray("made by hand\n"));
}

TEST_F(Autostart, TextsAreReadOnceWhenTheDialogIsMade) {
    AutostartDialog dialog(context);
    writeLanguage(QStringLiteral("[funaut]\r\nLater\r\na\r\nb\r\nc\r\nd\r\n[end]\r\n"));
    activate(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Autostart"));
    EXPECT_EQ(dialog.questionLabel()->text(), QStringLiteral("Autostart is off. Turn it on?"));
}

TEST_F(Autostart, AnUnreadableLanguageFileKeepsTheBuiltInTextsAndReportsOnce) {
    state.settings.setLangFile(QStringLiteral("Missing.lng"));
    AutostartDialog dialog(context);
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Автозапуск"));
    EXPECT_EQ(dialog.questionLabel()->text(), QStringLiteral("Автозапуск установлен. Отменить?"));
    EXPECT_EQ(dialog.yesButton()->text(), QStringLiteral("Button1"));
    activate(dialog);
    dialog.yesButton()->click();
    EXPECT_EQ(platform.errors.size(), 1);
    // With no texts both questions are empty, so yes creates.
    EXPECT_TRUE(entry().exists());
}

TEST_F(Autostart, ADialogWithoutAStartupFolderDoesNothing) {
    platform.autostart.clear();
    AutostartDialog dialog(context);
    activate(dialog);
    EXPECT_EQ(dialog.questionLabel()->text(), QStringLiteral("Autostart is off. Turn it on?"));
    dialog.yesButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(platform.errors.isEmpty());
}
