// An iCalendar file as `chronidex import` reads it: whatever it holds, the
// reminders it gives are ahead of now, within the occurrences' share, and
// storable as the reminder editor would store them.
#include <QTimeZone>

#include "FuzzInput.h"
#include "cli/CalendarImport.h"
#include "scheduler/EntryChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTimeZone paris("Europe/Paris");
    const QDateTime now(QDate(2026, 12, 10), QTime(12, 10, 30), paris);
    CalendarImport calendar(paris, now);
    if (!calendar.read(fuzzinput::bytes(data, size)).isEmpty()) {
        fuzzinput::require(calendar.reminders().isEmpty());
        return 0;
    }
    qsizetype occurrences = 0;
    for (const ImportedReminder& reminder : calendar.reminders()) {
        fuzzinput::require(reminder.at.isValid() && reminder.at.secsTo(now) < 60);
        fuzzinput::require(EntryChecks::reminderTextProblem(reminder.text).isEmpty() &&
                           EntryChecks::unstorableProblem(reminder.text).isEmpty());
        occurrences += reminder.occurrence ? 1 : 0;
    }
    fuzzinput::require(occurrences <= CalendarImport::kMaxOccurrences);
    return 0;
}
