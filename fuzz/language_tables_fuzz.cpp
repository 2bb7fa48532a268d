// The table sections the calendar shows ([month], [nedelya]) and the holiday
// editor's list of months.
#include <QDate>

#include "FuzzInput.h"
#include "calendar/MonthLayout.h"
#include "locale/LanguageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const LanguageFile file(fuzzinput::write(QStringLiteral("lang/fuzz.lng"), data, size));
    QStringList months(13);
    QStringList weekdays(MonthLayout::kWeekdayTexts);
    fuzzinput::require(file.readTable(QStringLiteral("[month]"), months, 1).ok());
    fuzzinput::require(file.readTable(QStringLiteral("[nedelya]"), weekdays, 0).ok());
    fuzzinput::require(months.size() == 13 && weekdays.size() == MonthLayout::kWeekdayTexts);
    const MonthLayout layout(QDate(2024, 2, 29), weekdays);
    (void)layout.cell(MonthLayout::kColumns - 1, MonthLayout::kRows - 1);

    QStringList list;
    fuzzinput::require(file.readList(QStringLiteral("[month]"), list).ok());
    return 0;
}
