#pragma once

#include <QString>

#include "scheduler/RepeatRule.h"
#include "scheduler/ScheduleEntry.h"

class ProgramFolder;

// The lines of the schedule list in the other-settings dialog, and of the
// command line's list: both schedule files' entries in the order the list
// shows them; each line's text is made only when it is asked for. (The due
// checks walk a ScheduleList, in file order.)
class ScheduleLines {
  public:
    // Reminders, then launches, sorted by the day as dd.MM.yyyy text and
    // then by the time text, lines equal in both in file order. A missing
    // file or a failed read of the launches leaves them unsorted after the
    // reminders; one of the reminders leaves them unsorted if the launches
    // fail too.
    static ScheduleLines read(const ProgramFolder& folder);

    qsizetype size() const { return entries_.size(); }
    const ScheduleEntry& entry(qsizetype i) const { return entries_[i]; }
    // "hh:nn", two spaces, the day as dd.MM.yyyy, two spaces, the text.
    static QString text(const ScheduleEntry& entry);
    // The day always takes ten characters, so the columns stay in place.
    static QString dateText(const QDate& day);
    QString text(qsizetype i) const { return text(entries_[i]); }
    // How the line's reminder repeats, from the rule file; Never for the
    // others and for every line when the rule file cannot be read.
    RepeatRule rule(qsizetype i) const {
        return i < rules_.size() ? RepeatRule(rules_[i]) : RepeatRule::Never;
    }
    // Whether some line may show a rule.
    bool mayRepeat() const { return !rules_.isEmpty(); }
    void removeAt(qsizetype i) {
        entries_.removeAt(i);
        if (i < rules_.size()) {
            rules_.removeAt(i);
        }
    }

  private:
    // Sorts entries_[0, count) as the list orders them.
    void sort(qsizetype count);
    void matchRules(const ProgramFolder& folder);

    ScheduleList entries_;
    QList<quint8> rules_;  // by line; empty when no line repeats
};
