#pragma once

#include <QFile>
#include <functional>

#include "FakeProgramControl.h"
#include "TempFolder.h"
#include "WidgetFixture.h"
#include "settings/SettingsRecord.h"
#include "state/ClockState.h"

// A program folder for the calendar and the holiday editor, filled from the
// fixtures in tests/data/calendar.
class CalendarFolderTest : public WidgetTest {
  protected:
    CalendarFolderTest() {
        settings = SettingsRecord::defaults();
        useLanguage("lang-monday.lng");
    }

    // Installs a fixture language file as "\lang\Test.lng" and names it in
    // the settings.
    void useLanguage(const char* fixture) {
        folder.write(QStringLiteral("lang/Test.lng"), fixtureBytes(fixture));
        settings.setLangFile(QStringLiteral("Test.lng"));
    }
    void putHolidays(int month, const char* fixture) {
        putHolidayBytes(month, fixtureBytes(fixture));
    }
    void putHolidayBytes(int month, const QByteArray& bytes) {
        folder.write(holidayFile(month), bytes);
    }
    QString holidayFile(int month) const { return QStringLiteral("prazdniki/%1.prz").arg(month); }
    ProgramFolder programFolder() const { return ProgramFolder(folder.root()); }

    static QByteArray fixtureBytes(const char* name) {
        QFile file(testData(QStringLiteral("calendar/") + QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll();
    }

    TempFolder folder;
    SettingsRecord settings;
};
