#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

#include "DialogFixture.h"
#include "HeldReminders.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ui/LaunchEditor.h"
#include "scheduler/ui/ReminderEditor.h"
#include "settings/DayCount.h"
#include "settings/FolderLock.h"

// The failures that the command line tells in English, met in the editors:
// the windows tell them in Russian, whatever the language file, as every
// built-in text of theirs.
namespace {

class RussianRefusalsTest : public DialogFixture {
  protected:
    void remind(const QString& hour, const QString& minute, const QString& text, int repeat = 0) {
        activate(reminderEditor);
        reminderEditor.hourField()->setText(hour);
        reminderEditor.minuteField()->setText(minute);
        reminderEditor.textField()->setPlainText(text);
        reminderEditor.repeatChoice()->setCurrentIndex(repeat);
        reminderEditor.okButton()->click();
    }
    void launch(const QString& path, const QString& minute = QStringLiteral("00")) {
        activate(launchEditor);
        launchEditor.minuteField()->setText(minute);
        launchEditor.pathField()->setText(path);
        launchEditor.okButton()->click();
    }
    void browse(const QString& chosen) {
        activate(launchEditor);
        platform.answers = {chosen};
        launchEditor.browseButton()->click();
    }
    void plantFolder(const char* name) { QDir(folder.root()).mkpath(QLatin1String(name)); }

    ReminderEditor reminderEditor{context};
    LaunchEditor launchEditor{context};
};

}  // namespace

// Each row's one message; "{folder}" stands for the program folder.
TEST_F(RussianRefusalsTest, TheEditorsTellTheCoresFailuresInRussian) {
    const QString longPath = QLatin1Char('/') + QString(260, QLatin1Char('p'));
    const struct {
        const char* what;
        std::function<void()> act;
        QString said;
    } cases[] = {
        {"a character outside the schedule's code page",
         [&] { remind("10", "00", QStringLiteral("встреча 中文")); },
         "Эти знаки нельзя сохранить в расписании: «中» (U+4E2D), «文» (U+6587). Замените или "
         "удалите их."},
        {"a launch's path too long", [&] { browse(longPath); },
         "Путь длиннее 250 знаков не помещается в расписание:\n" + longPath},
        {"an hour past 23", [&] { remind("24", "00", QStringLiteral("поздно")); },
         "Час должен быть числом от 0 до 23, а не «24»."},
        {"minutes past 59", [&] { launch(QStringLiteral("/bin/true"), QStringLiteral("60")); },
         "Минуты должны быть числом от 0 до 59, а не «60»."},
        {"a folder under the reminders' name",
         [&] {
             plantFolder("system/napom.dat");
             remind("10", "00", QStringLiteral("текст"));
         },
         "Не удалось открыть файл расписания {folder}/system/napom.dat: это папка"},
        {"a pipe under the launches' name",
         [&] {
             ::mkfifo(QFile::encodeName(folder.path(QStringLiteral("system/run.dat"))).constData(),
                      0600);
             launch(QStringLiteral("/bin/true"));
         },
         "Не удалось открыть файл расписания {folder}/system/run.dat: это не обычный файл"},
        {"the schedule folder held by another writer",
         [&] {
             const FolderLock held(folder.path(QStringLiteral("system")));
             remind("10", "00", QStringLiteral("текст"));
         },
         "Файл расписания {folder}/system/napom.dat занят другой программой; попробуйте ещё раз."},
        {"a schedule at its record limit",
         [&] {
             folder.write(QStringLiteral("system/napom.dat"),
                          heldReminders(ScheduleFiles::kMaxEntries));
             remind("10", "00", QStringLiteral("ещё одно"));
         },
         "Файл расписания {folder}/system/napom.dat содержит записей: 100000; ещё 1 превысили бы "
         "предел в 100000 записей, дальше которого файл не читается. Ничего не добавлено."},
        {"a folder under the repeat rules' name",
         [&] {
             plantFolder("system/repeat.dat");
             remind("10", "00", QStringLiteral("таблетки"), 1);
         },
         "Не удалось прочитать файл правил повтора {folder}/system/repeat.dat: это папка"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"system/napom.dat", "system/run.dat", "system/repeat.dat"}) {
            QDir(folder.path(QLatin1String(name))).removeRecursively();
            QFile::remove(folder.path(QLatin1String(name)));
        }
        platform.messages.clear();
        platform.errors.clear();
        c.act();
        QString expected = c.said;
        expected.replace(QStringLiteral("{folder}"), folder.root());
        EXPECT_EQ(platform.messages + platform.errors, QStringList{expected});
    }
}
