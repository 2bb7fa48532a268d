#include "scheduler/DueCheck.h"

#include <QLocale>
#include <algorithm>

#include "locale/LanguageSections.h"
#include "platform/Platform.h"
#include "settings/SkinFiles.h"
#include "state/TimerSwitch.h"

namespace {

int minuteOfDay(const QDateTime& moment) {
    return moment.time().hour() * 60 + moment.time().minute();
}

// Minutes of local wall-clock time, so that a daylight-saving gap counts as
// the hour it skips.
qint64 wallMinute(const QDateTime& moment) {
    return DueOrder::wallMinute(moment.date().toJulianDay(), minuteOfDay(moment));
}

}  // namespace

DueCheck::DueCheck(ScheduleKind kind, ClockState& state, ClockTimers timers, Platform& platform)
    : state_(state),
      platform_(platform),
      kind_(kind),
      timer_(schedule::dueTimer(timers, kind)),
      files_(state.programFolder),
      texts_(QLatin1String(sections::overdue::kHeader)) {}

QString DueCheck::overdueNotice(const QString& header, const QString& separator,
                                const ScheduleEntry& entry) {
    const QString date = QLocale::system().toString(entry.day(), QLocale::ShortFormat);
    return header + QLatin1Char('\r') + date + separator + entry.time() + QLatin1Char('\r') +
           entry.text();
}

void DueCheck::stopTimer() {
    if (timer_) {
        timer_->disable();
    }
}

void DueCheck::startTimer() {
    if (timer_) {
        timer_->enable();
    }
}

// A whole minute between the starts of two ticks went unchecked (suspend, the
// clock set forward, a daylight-saving gap, or a tick held up by a notice):
// reload, so the overdue check reports at once what the walk never saw. A
// span in which no entry fell due skipped nothing: the program sleeps through
// such spans on purpose.
void DueCheck::noteClockJump(const QDateTime& now) {
    const qint64 current = wallMinute(now);
    if (lastTickMinute_ != kNotWalked && current > lastTickMinute_ + 1 &&
        order_.firstAfter(lastTickMinute_) < current) {
        schedule::reloadFlag(state_, kind_) = true;
    }
    lastTickMinute_ = current;
}

qint64 DueCheck::nextDueMinute() const {
    if (schedule::reloadFlag(state_, kind_) || walkedMinute_ == kNotWalked) {
        return kDueNow;
    }
    // Minutes that a notice of the last tick kept the walk from are looked at
    // by the next one.
    if (order_.firstAfter(lastTickMinute_) < walkedMinute_) {
        return kDueNow;
    }
    return order_.firstAfter(walkedMinute_);
}

bool DueCheck::isStuck(const ScheduleEntry& entry) const {
    return std::any_of(stuck_.cbegin(), stuck_.cend(),
                       [&](const ScheduleEntry& other) { return entry.sameAs(other); });
}

void DueCheck::reloadList() {
    // The old list goes before the new one is read, so a large schedule is
    // not held twice; a walk under way keeps its own copy.
    list_ = {};
    order_ = {};
    const ScheduleList loaded = files_.load(kind_);
    if (stuck_.isEmpty()) {
        list_ = loaded;
    } else {
        list_.clear();
        for (const ScheduleEntry& entry : loaded) {
            if (!isStuck(entry)) {
                list_.append(entry);
            }
        }
    }
    order_ = DueOrder(list_);
    handled_.clear();
    walkedMinute_ = kNotWalked;
}

// The time is read once a tick, and again after each announcement, which may
// have kept the tick waiting for minutes. Between reloads the list does not
// change, so a minute once walked has nothing more to announce.
void DueCheck::tick() {
    QDateTime now = platform_.now();
    noteClockJump(now);
    bool& reload = schedule::reloadFlag(state_, kind_);
    if (reload) {
        // Lowered before the overdue check, whose own removals ask for no
        // reload: a change made while its notices are open (an editor, the
        // command line, another program) asks again and is read next tick.
        reload = false;
        reloadList();
        if (const QString trouble = listReloaded(); !trouble.isEmpty()) {
            stopTimer();
            platform_.showError(trouble);
            if (state_.ending) {
                return;
            }
            startTimer();
        }
        catchUp();
        if (state_.ending) {
            return;
        }
        now = platform_.now();
    }
    qint64 minute = wallMinute(now);
    if (minute == walkedMinute_) {
        return;
    }
    walkedMinute_ = minute;
    // The walk goes over the list it started with, whatever a removal asks,
    // and on in file order from each entry it announced. An entry of the
    // same minute that the walk leaves behind, when an announcement outlasted
    // the minute, stays in the file and is reported after the reload.
    const ScheduleList walk = list_;
    const DueOrder order = order_;
    for (qsizetype i = order.next(minute, DueOrder::kNone); i != DueOrder::kNone;
         i = order.next(minute, i)) {
        if (handled_.contains(i)) {
            continue;
        }
        stopTimer();
        const bool done = fire(walk[i]);
        if (state_.ending) {
            return;  // the notice was cut short by the end: the entry stays
        }
        if (done) {
            remove(walk[i], i, true);
        } else {
            keep(i);
        }
        minute = wallMinute(platform_.now());
    }
}

void DueCheck::catchUp() {
    // A file that cannot be read is reported by the section itself; the
    // notices then carry the texts of the last good read.
    texts_.load(state_.programFolder, state_.settings, &platform_);
    const QString header = overdueHeader(texts_);
    const QString separator = texts_.line(sections::overdue::DateTimeSeparator);
    stopTimer();
    const ScheduleList walk = list_;
    QDateTime now = platform_.now();
    qint64 today = now.date().toJulianDay();
    int minute = minuteOfDay(now);
    for (qsizetype i = 0; i < walk.size(); ++i) {
        const ScheduleEntry& entry = walk[i];
        const bool overdue =
            entry.julianDay < today || (entry.julianDay == today && minute >= entry.overdueFrom);
        if (!overdue) {
            continue;
        }
        stopTimer();
        QString notice = overdueNotice(header, separator, entry);
        if (const QString note = overdueNote(i, now); !note.isEmpty()) {
            notice += QLatin1Char('\r') + note;
        }
        const bool done = report(entry, notice);
        if (state_.ending) {
            return;  // cut short by the end of the program: reported again next time
        }
        startTimer();
        // The overdue entries stay in the list until the next reload, their
        // minute past.
        if (done) {
            remove(entry, i, false);
        } else {
            keep(i);
        }
        now = platform_.now();  // the notice waited for the user
        today = now.date().toJulianDay();
        minute = minuteOfDay(now);
    }
    startTimer();
}

bool DueCheck::report(const ScheduleEntry&, const QString& notice) {
    platform_.showMessage(notice);
    return true;
}

// Not fired again from this list: the reload at the next tick reports it as
// overdue, so an entry whose record stays is not left unseen.
void DueCheck::keep(qsizetype index) {
    handled_.insert(index);
    schedule::reloadFlag(state_, kind_) = true;
    startTimer();
}

void DueCheck::remove(const ScheduleEntry& entry, qsizetype index, bool requestReload) {
    handled_.insert(index);
    // An entry that stays in its file is kept out of the lists read later,
    // so it is not announced again every minute.
    if (const Expected<void> removed = takeAway(entry); !removed) {
        platform_.showError(removed.error());
        if (!isStuck(entry)) {
            stuck_.append(entry);
        }
    }
    if (requestReload) {
        // The list read next holds what the file now holds.
        schedule::reloadFlag(state_, kind_) = true;
    }
    startTimer();
}

Expected<void> DueCheck::takeAway(const ScheduleEntry& entry) {
    return files_.removeEntries(kind_, {entry});
}

void DueCheck::playSkinSound() {
    if (state_.settings.soundOff()) {
        return;
    }
    SoundPlayer& player = platform_.player();
    player.setFileName(
        skinfiles::path(state_.programFolder, state_.skinName, QStringLiteral(".wav")));
    // Once the player is open, the clock's sound-end check releases it, also
    // when playing failed (it then reports the end at once). A file that does
    // not open leaves nothing to release.
    if (player.open()) {
        player.play();
        state_.soundPlaying = true;
    }
}
