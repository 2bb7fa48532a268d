#pragma once

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include "locale/LanguageSection.h"
#include "scheduler/DueOrder.h"
#include "scheduler/ScheduleEntry.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ScheduleKind.h"
#include "state/ClockState.h"

class Platform;

// What the reminder and the launch due checks share. Once a second the tick
// reloads the schedule when its flag is up (and then reports what is
// overdue, in file order), and fires every entry of the current minute, found
// through the entries' order by due minute. Each entry that fired or was
// reported takes its own record from the file and no other: one added while
// its notice was open, for the same day and time too, stays to be announced
// in turn. A notice that the program's end closed was not read: its entry
// stays for the next start.
class DueCheck {
  public:
    DueCheck(ScheduleKind kind, ClockState& state, ClockTimers timers, Platform& platform);
    virtual ~DueCheck() = default;

    // The list the next walk goes over.
    const ScheduleList& list() const { return list_; }

    // When the next tick has something to do, as a wall-clock minute (day *
    // 1440 + minute of the day, as DueOrder counts): kDueNow while the list
    // is to be read or the current minute has not been walked, kNeverDue
    // while no entry waits. Between two ticks a program may sleep until then.
    static constexpr qint64 kDueNow = std::numeric_limits<qint64>::min();
    static constexpr qint64 kNeverDue = DueOrder::kNoMinute;
    qint64 nextDueMinute() const;

    // The notice for an overdue entry: header, CR, the day in the short date
    // format, the separator, the time text, CR, the text or path.
    static QString overdueNotice(const QString& header, const QString& separator,
                                 const ScheduleEntry& entry);

  protected:
    void tick();
    void catchUp();

    // Announces a due entry (sound and box, or sound and program start).
    // False when its record is to stay in the file: then it is reported
    // again after the next reload.
    virtual bool fire(const ScheduleEntry& entry) = 0;
    // Shows the notice of an overdue entry; false as for fire().
    virtual bool report(const ScheduleEntry& entry, const QString& notice);
    // Line 1 or 2 of "[funupu]".
    virtual QString overdueHeader(const LanguageSection& texts) const = 0;
    // What an overdue notice adds for the entry at `index` of the list, on a
    // line of its own after the text; nothing by default.
    virtual QString overdueNote(qsizetype index, const QDateTime& now) const {
        Q_UNUSED(index);
        Q_UNUSED(now);
        return {};
    }
    // Called after every reload, with the new list in place; what to tell
    // the user before the overdue notices, nothing by default.
    virtual QString listReloaded() { return {}; }
    // Takes the record of an announced entry from the file; what went wrong,
    // for the user. By default the record is simply removed.
    virtual Expected<void> takeAway(const ScheduleEntry& entry);

    // The skin's sound, unless switched off. A sound that cannot be opened or
    // played is skipped: the entry is announced all the same.
    void playSkinSound();

    ClockState& state_;
    Platform& platform_;

  private:
    static constexpr qint64 kNotWalked = std::numeric_limits<qint64>::min();

    void reloadList();
    void noteClockJump(const QDateTime& now);
    void remove(const ScheduleEntry& entry, qsizetype index, bool requestReload);
    void keep(qsizetype index);
    bool isStuck(const ScheduleEntry& entry) const;
    void stopTimer();
    void startTimer();

    ScheduleKind kind_;
    TimerSwitch* timer_;
    ScheduleFiles files_;
    LanguageSection texts_;
    ScheduleList list_;
    DueOrder order_;
    qint64 walkedMinute_ = kNotWalked;    // the wall-clock minute of the last walk
    qint64 lastTickMinute_ = kNotWalked;  // the wall-clock minute the last tick began in
    // The places in the current list of the entries fired or reported from
    // it; after the clock is set back they would match again before the next
    // reload.
    QSet<qsizetype> handled_;
    // Entries whose records could not be removed: announcing them again at
    // every reload would bring the same box back without end.
    ScheduleList stuck_;
};
