#pragma once

#include <libical/ical.h>

#include <QByteArray>
#include <QDate>
#include <optional>

#include "scheduler/RepeatRule.h"

// A repeating reminder's rule as an iCalendar RRULE, and back. The RRULEs
// written pick exactly the days the rule picks from its current occurrence
// on, as RFC 5545 readers (libical, python-dateutil) expand them: a monthly
// rule on the 29th or 30th takes the last of 28, 29 (and 30) in each month,
// one on the 31st the month's last day, a yearly one on 29 February the
// last of 28 and 29 February.
namespace icalrepeat {

// The RRULE value for a rule anchored on `anchor`; empty for Never.
QByteArray rrule(RepeatRule rule, const QDate& anchor);

struct Guess {
    RepeatRule rule = RepeatRule::Never;
    QDate anchor;
};
// The rule an RRULE may stand for, its first reminder on `first`: a guess
// by its frequency and BY parts, for the caller to check against the
// occurrences libical expands. Nothing for a rule with an end (COUNT or
// UNTIL), an interval, or parts no rule of ours has.
std::optional<Guess> guess(const icalrecurrencetype& recurrence, const QDate& first);

}  // namespace icalrepeat
