#pragma once

#include <QList>
#include <QString>

#include "scheduler/ScheduleKey.h"
#include "scheduler/ScheduleKind.h"

class ProgramFolder;

// One line of the schedule list: "hh:nn", two spaces, the day as dd.MM.yyyy,
// two spaces, the reminder's text or the launch's path. The kind and the key
// travel with the line, so neither is guessed from its characters.
struct ScheduleLine {
    QString text;
    ScheduleKind kind = ScheduleKind::Reminders;
    ScheduleKey key;
};

// Both schedule files as the lines of the other-settings dialog's list, each
// with its text made (the list itself keeps ScheduleLines, which makes a
// line's text only when it is shown).
class ScheduleListing {
  public:
    // Reminders, sorted, then launches, and the whole list sorted again. A
    // missing file or a failed read ends its part without that part's sort;
    // the lines read before stay.
    static QList<ScheduleLine> read(const ProgramFolder& folder);

    static ScheduleLine line(ScheduleKind kind, const QByteArray& record);

    // The day always takes ten characters, so the columns stay in place.
    static QString dateText(const QDate& day);

    // Two stable sorts, by the time (characters 1 to 5) and then by the date
    // text with the space after it (characters 8 to 18): lines equal in both
    // keep their order.
    static void sort(QList<ScheduleLine>& lines);
};
