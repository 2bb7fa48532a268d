// A month's holiday file, as the calendar marks it and the editor sorts it.
#include <QDate>

#include "FuzzInput.h"
#include "calendar/HolidayFile.h"
#include "calendar/HolidayList.h"
#include "calendar/MonthLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Expected<QStringList> lines =
        holidays::read(fuzzinput::write(QStringLiteral("prazdniki/1.prz"), data, size));
    fuzzinput::require(lines.ok() && !lines->isEmpty());
    MonthLayout layout(QDate(2024, 1, 15), QStringList());
    layout.markHolidays(*lines);

    QStringList entries = *lines;
    (void)holidaylist::isPlaceholder(entries);
    (void)holidaylist::sortByDay(entries);
    fuzzinput::require(entries.size() == lines->size());  // sorting loses nothing
    (void)holidaylist::add(entries, QStringLiteral("7"));
    return 0;
}
