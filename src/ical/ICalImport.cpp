#include "ical/ICalImport.h"

#include <libical/ical.h>

#include <QStringDecoder>
#include <algorithm>
#include <memory>

#include "ical/ICalComponents.h"
#include "ical/ICalItemTimes.h"
#include "ical/ICalLines.h"
#include "ical/ICalParseErrors.h"
#include "ical/ICalRecurrence.h"
#include "ical/ICalRepeat.h"
#include "ical/ICalTime.h"
#include "ical/ICalZoneRules.h"
#include "scheduler/EntryChecks.h"
#include "scheduler/Recurrence.h"

namespace {

using icalcomponents::calendarsIn;
using icalcomponents::itemsIn;
using icalcomponents::notWanted;
using Component = std::unique_ptr<icalcomponent, void (*)(icalcomponent*)>;

QDateTime toMinute(const QDateTime& at) {
    return at.addSecs(-at.time().second()).addMSecs(-at.time().msec());
}

// An item's summary in a line about it: control characters escaped, so the
// line stays one and cannot steer a terminal, and cut where it is long.
QString shown(const QString& text) {
    constexpr qsizetype kShownCharacters = 60;
    QString line;
    qsizetype i = 0;
    for (qsizetype count = 0; i < text.size() && count < kShownCharacters; ++i, ++count) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n')) {
            line += QStringLiteral("\\n");
        } else if (c.category() == QChar::Other_Control) {
            line += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            line += c;
            if (c.isHighSurrogate() && i + 1 < text.size()) {
                line += text.at(++i);
            }
        }
    }
    if (i < text.size()) {
        line += QChar(0x2026);  // …
    }
    return line;
}

}  // namespace

ICalImport::ICalImport(const QDateTime& now) : local_(now), now_(toMinute(local_.of(now))) {}

Expected<void> ICalImport::read(const QByteArray& bytes) {
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(text);
    if (utf8.hasError() || text.contains('\0')) {
        return Failure{QStringLiteral("it is not UTF-8 text, which an iCalendar file is.")};
    }
    if (calendarlines::nesting(text, kMaxNesting) > kMaxNesting) {
        return Failure{
            QStringLiteral("it nests BEGIN ... END more than %1 deep, which no calendar does.")
                .arg(kMaxNesting)};
    }
    icalerror_set_errors_are_fatal(0);
    const Component root(
        icalparser_parse_string(calendarlines::withShortValueLists(text).constData()),
        icalcomponent_free);
    const QList<icalcomponent*> calendars =
        root ? calendarsIn(root.get()) : QList<icalcomponent*>();
    if (calendars.isEmpty()) {
        return Failure{
            QStringLiteral("it is not an iCalendar file: it holds no whole "
                           "BEGIN:VCALENDAR ... END:VCALENDAR.")};
    }
    if (const QString error = calendarparse::firstSeriousError(root.get()); !error.isEmpty()) {
        return Failure{QStringLiteral("libical cannot read it: %1").arg(error)};
    }
    if (const QString why = calendarzones::problem(root.get()); !why.isEmpty()) {
        return Failure{why};
    }
    for (icalcomponent* calendar : calendars) {
        collectReplaced(calendar);
    }
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* item : itemsIn(calendar)) {
            addItem(calendar, item);
        }
    }
    keepEarliestOccurrences();
    return {};
}

// An item with a RECURRENCE-ID takes the place of that occurrence of the
// item of its UID.
void ICalImport::collectReplaced(icalcomponent* calendar) {
    for (icalcomponent* item : itemsIn(calendar)) {
        icalproperty* id = icalcomponent_get_first_property(item, ICAL_RECURRENCEID_PROPERTY);
        const char* uid = icalcomponent_get_uid(item);
        if (!id || !uid) {
            continue;
        }
        const std::optional<QDateTime> at =
            calendartime::moment(calendar, icalproperty_get_recurrenceid(id),
                                 calendartime::tzidOf(id), local_, QTime(kAllDayHour, 0));
        if (at) {
            replaced_[uid].insert(*at);
        }
    }
}

void ICalImport::addItem(icalcomponent* calendar, icalcomponent* item) {
    const QString text = QString::fromUtf8(icalcomponent_get_summary(item));
    if (const QString why = notWanted(item); !why.isEmpty()) {
        return refuse(text, why);
    }
    const ICalItemTimes times(calendar, item, local_, QTime(kAllDayHour, 0));
    if (!times.problem().isEmpty()) {
        return refuse(text, times.problem());
    }
    if (text.isEmpty()) {
        return refuse(text, QStringLiteral("no summary to remind of."));
    }
    for (const Expected<void>& check :
         {EntryChecks::reminderText(text), EntryChecks::storable(text)}) {
        if (!check) {
            return refuse(text, check.error());
        }
    }
    if (!ICalRecurrence::recurs(item) ||
        icalcomponent_get_first_property(item, ICAL_RECURRENCEID_PROPERTY)) {
        return addOnce(text, toMinute(times.reminderFor(times.anchor())));
    }
    // The anchors whose reminders may fall in the span, the alarm's distance
    // and two days for the zones' difference wider on each side.
    const QDateTime until = now_.addDays(kDaysAhead);
    const qint64 distance = std::abs(times.anchor().secsTo(times.reminderFor(times.anchor())));
    const ICalRecurrence recurrence(calendar, item, times.anchorValue(), times.anchorTzid(), local_,
                                    QTime(kAllDayHour, 0));
    if (const QString why = recurrence.unfollowable(); !why.isEmpty()) {
        return refuse(text, why);
    }
    const QSet<QDateTime> skip = replaced_.value(icalcomponent_get_uid(item));
    const qsizetype before = reminders_.size();
    bool cut = false;
    const QList<QDateTime> anchors = recurrence.starts(
        now_.addDays(-2).addSecs(-distance), until.addDays(2).addSecs(distance), steps_, cut);
    if (cut) {
        problems_ << QStringLiteral(
                         "\"%1\": it repeats too often to follow it all: some of its "
                         "occurrences may be missing.")
                         .arg(shown(text));
    }
    QList<QDateTime> occurrences;
    for (const QDateTime& anchor : anchors) {
        const QDateTime at = toMinute(times.reminderFor(anchor));
        if (!skip.contains(anchor) && at >= now_ && at < until) {
            occurrences << at;
        }
    }
    if (!cut && skip.isEmpty() && keepRepeating(item, text, occurrences)) {
        return;
    }
    for (const QDateTime& at : occurrences) {
        reminders_ << ImportedReminder{at, text, true, RepeatRule::Never, QDate()};
    }
    if (reminders_.size() == before && !cut) {
        refuse(text, QStringLiteral("no occurrence in the next %1 days.").arg(kDaysAhead));
    }
}

bool ICalImport::keepRepeating(icalcomponent* item, const QString& text,
                               const QList<QDateTime>& occurrences) {
    if (occurrences.isEmpty() || icalcomponent_count_properties(item, ICAL_RRULE_PROPERTY) != 1 ||
        icalcomponent_count_properties(item, ICAL_RDATE_PROPERTY) != 0 ||
        icalcomponent_count_properties(item, ICAL_EXDATE_PROPERTY) != 0 ||
        icalcomponent_count_properties(item, ICAL_EXRULE_PROPERTY) != 0) {
        return false;
    }
    const icalrecurrencetype rule =
        icalproperty_get_rrule(icalcomponent_get_first_property(item, ICAL_RRULE_PROPERTY));
    const QDateTime first = occurrences.first();
    const std::optional<icalrepeat::Guess> guess = icalrepeat::guess(rule, first.date());
    if (!guess) {
        return false;
    }
    // Ours must give exactly libical's occurrences over the span, each at
    // the same wall-clock minute. The first may be the day the reminder was
    // set for although the rule would not pick it (workdays set on a
    // Saturday): the reminder's record is on that day, as DTSTART is.
    const Recurrence ours(guess->rule, guess->anchor,
                          first.time().hour() * 60 + first.time().minute());
    Recurrence::Moment at{first.date(), ours.minute()};
    if (first.date() != guess->anchor && ours.firstFrom(at) != at) {
        return false;
    }
    for (const QDateTime& theirs : occurrences) {
        if (Recurrence::Moment::of(theirs) != at) {
            return false;
        }
        at = ours.nextAfter(at);
    }
    if (QDateTime(at.day, QTime(at.minute / 60, at.minute % 60)) < now_.addDays(kDaysAhead)) {
        return false;  // ours has one more within the span
    }
    reminders_ << ImportedReminder{first, text, false, guess->rule, guess->anchor};
    return true;
}

void ICalImport::addOnce(const QString& text, const QDateTime& at) {
    if (at < now_) {
        return refuse(text, QStringLiteral("%1 has already passed.")
                                .arg(at.toString(QStringLiteral("dd.MM.yyyy HH:mm"))));
    }
    reminders_ << ImportedReminder{at, text, false, RepeatRule::Never, QDate()};
}

// Occurrences beyond the import's share go, the latest first.
void ICalImport::keepEarliestOccurrences() {
    QList<qsizetype> occurrences;
    for (qsizetype i = 0; i < reminders_.size(); ++i) {
        if (reminders_[i].occurrence) {
            occurrences << i;
        }
    }
    if (occurrences.size() <= kMaxOccurrences) {
        return;
    }
    std::stable_sort(occurrences.begin(), occurrences.end(),
                     [&](qsizetype a, qsizetype b) { return reminders_[a].at < reminders_[b].at; });
    QList<bool> dropped(reminders_.size(), false);
    for (qsizetype i = kMaxOccurrences; i < occurrences.size(); ++i) {
        dropped[occurrences[i]] = true;
    }
    QList<ImportedReminder> kept;
    kept.reserve(reminders_.size());
    for (qsizetype i = 0; i < reminders_.size(); ++i) {
        if (!dropped[i]) {
            kept << reminders_[i];
        }
    }
    reminders_ = kept;
    problems_ << QStringLiteral(
                     "%1 more occurrences in the next %2 days are left out: one import "
                     "adds at most %3 of recurring events.")
                     .arg(occurrences.size() - kMaxOccurrences)
                     .arg(kDaysAhead)
                     .arg(kMaxOccurrences);
}

void ICalImport::refuse(const QString& text, const QString& problem) {
    problems_ << QStringLiteral("\"%1\": %2").arg(shown(text), problem);
}
