// An iCalendar file as `chronidex import` reads it: whatever it holds, the
// reminders it gives are ahead of now, within the occurrences' share, and
// storable as the reminder editor would store them.
#include <time.h>

#include <QtGlobal>

#include "FuzzInput.h"
#include "ical/ICalImport.h"
#include "scheduler/EntryChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The clock's local time, with summer time.
    static const bool zoneSet = [] {
        qputenv("TZ", "Europe/Paris");
        tzset();
        return true;
    }();
    Q_UNUSED(zoneSet);
    const QDateTime now(QDate(2026, 12, 10), QTime(12, 10, 30));
    ICalImport calendar(now);
    if (!calendar.read(fuzzinput::bytes(data, size))) {
        fuzzinput::require(calendar.reminders().isEmpty());
        return 0;
    }
    qsizetype occurrences = 0;
    for (const ImportedReminder& reminder : calendar.reminders()) {
        fuzzinput::require(reminder.at.isValid() && reminder.at.secsTo(now) < 60);
        fuzzinput::require(EntryChecks::reminderText(reminder.text).ok() &&
                           EntryChecks::storable(reminder.text).ok());
        occurrences += reminder.occurrence ? 1 : 0;
    }
    fuzzinput::require(occurrences <= ICalImport::kMaxOccurrences);
    return 0;
}
