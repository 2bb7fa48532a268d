#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPushButton>
#include <functional>

#include "FakePlatform.h"
#include "ProgramFolderCopy.h"
#include "TempFolder.h"
#include "app/ChronidexApp.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ui/OtherSettingsDialog.h"
#include "settings/DayCount.h"

// The whole program on the fake platform: whatever ends it while a
// reminder's notice is open (the nightly restart, a restart from a dialog,
// the menu's Exit, the system's request), the notice closes unread and its
// reminder stays in the file, to be shown as overdue at the next start.
namespace {

const QString kReminders = QStringLiteral("system/napom.dat");
const QDate kToday(2026, 3, 10);

bool waitUntil(const std::function<bool()>& done) {
    const QDeadlineTimer patience(10000);
    while (!done() && !patience.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

using End = std::function<void(ChronidexApp&, FakePlatform&)>;

}  // namespace

TEST(NoticeAtTheEnd, TheReminderOfANoticeOpenAtTheEndStaysForTheNextStart) {
    const std::pair<const char*, End> ends[] = {
        {"the nightly restart",
         [](ChronidexApp& app, FakePlatform& platform) {
             platform.clock = QDateTime(kToday.addDays(1), QTime(0, 0, 0, 900));
             waitUntil([&] { return app.ended(); });
         }},
        {"a restart from the other settings",
         [](ChronidexApp& app, FakePlatform&) {
             app.menu().item(MenuItem::OtherSettings)->trigger();
             auto* dialog =
                 qobject_cast<OtherSettingsDialog*>(app.dialogFor(MenuItem::OtherSettings));
             ASSERT_NE(dialog, nullptr);
             dialog->okButton()->click();
         }},
        {"the menu's Exit",
         [](ChronidexApp& app, FakePlatform&) { app.menu().item(MenuItem::Exit)->trigger(); }},
        {"the system's request",
         [](ChronidexApp&, FakePlatform& platform) { platform.endRequest(); }},
    };
    const std::pair<const char*, const char*> notices[] = {{"due", "23:59"}, {"overdue", "23:00"}};
    for (const auto& [endName, end] : ends) {
        for (const auto& [noticeName, time] : notices) {
            const std::string what = std::string(endName) + ", " + noticeName;
            TempFolder folder;
            copySuppliedFolder(folder);
            FakePlatform platform;
            platform.desktop = QRect(0, 0, 1280, 1024);
            platform.clock = QDateTime(kToday, QTime(23, 59, 58, 900));
            ReminderRecord rec;
            rec.setDate(daycount::fromDate(kToday));
            rec.setTime(QLatin1String(time));
            rec.setText(QStringLiteral("не прочитано"));
            folder.write(kReminders, rec.bytes());
            {
                ChronidexApp app(platform);
                platform.onMessage = [&, end = end](const QString&) {
                    platform.onMessage = {};
                    end(app, platform);
                };
                ASSERT_TRUE(app.start(folder.root())) << what;
                EXPECT_TRUE(waitUntil([&] { return app.ended(); })) << what;
                EXPECT_EQ(platform.messages.size(), 1) << what;
            }
            EXPECT_EQ(folder.read(kReminders), rec.bytes()) << what;

            platform.messages.clear();
            platform.clock = QDateTime(kToday.addDays(1), QTime(0, 0, 5, 900));
            ChronidexApp next(platform);
            ASSERT_TRUE(next.start(folder.root())) << what;
            EXPECT_TRUE(waitUntil([&] { return !folder.exists(kReminders); })) << what;
            ASSERT_EQ(platform.messages.size(), 1) << what;
            EXPECT_TRUE(platform.messages[0].endsWith(QLatin1String(time) +
                                                      QStringLiteral("\rне прочитано")))
                << what << ": " << platform.messages[0].toStdString();
        }
    }
}
