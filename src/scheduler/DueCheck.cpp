#include "scheduler/DueCheck.h"

#include <QLocale>

#include "platform/Platform.h"
#include "state/TimerSwitch.h"

namespace {

// Minutes of local wall-clock time, so that a daylight-saving gap counts as
// the hour it skips.
qint64 wallMinute(const QDateTime& moment) {
    const QTime t = moment.time();
    return moment.date().toJulianDay() * 1440 + t.hour() * 60 + t.minute();
}

QByteArray timeText(const QDateTime& moment) {
    return moment.toString(QStringLiteral("HH:mm")).toLatin1();
}

}  // namespace

DueCheck::DueCheck(ScheduleKind kind, ClockState& state, ClockTimers timers, Platform& platform)
    : state_(state),
      platform_(platform),
      kind_(kind),
      timer_(schedule::dueTimer(timers, kind)),
      files_(state, timers, platform),
      texts_(QStringLiteral("[funupu]"), 3) {}

QString DueCheck::overdueNotice(const QString& header, const QString& separator,
                                const ScheduleEntry& entry) {
    const QString date = QLocale::system().toString(entry.day(), QLocale::ShortFormat);
    return header + QLatin1Char('\r') + date + separator + entry.time + QLatin1Char('\r') +
           entry.text;
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
// reload, so the overdue check reports at once what the walk never saw.
void DueCheck::noteClockJump(const QDateTime& now) {
    if (lastTick_.isValid() && wallMinute(now) > wallMinute(lastTick_) + 1) {
        schedule::reloadFlag(state_, kind_) = true;
    }
    lastTick_ = now;
}

void DueCheck::tick() {
    noteClockJump(platform_.now());
    bool& reload = schedule::reloadFlag(state_, kind_);
    if (reload) {
        list_.clear();
        for (const ScheduleEntry& entry : files_.loadEntries(kind_)) {
            if (!stuck_.contains(entry.key())) {
                list_.append(entry);
            }
        }
        handled_.clear();
        catchUp();
        reload = false;
    }
    // The walk goes over the list it started with, whatever a removal asks.
    const ScheduleList walk = list_;
    const QList<ScheduleKey> handledBefore = handled_;
    for (const ScheduleEntry& entry : walk) {
        const QDateTime now = platform_.now();
        if (entry.day() != now.date() || entry.timeBytes != timeText(now)) {
            continue;
        }
        const ScheduleKey key = entry.key();
        if (handledBefore.contains(key)) {
            continue;
        }
        stopTimer();
        fire(entry);
        remove(key);
    }
}

void DueCheck::catchUp() {
    // A file that cannot be read is reported by the section itself; the
    // notices then carry the texts of the last good read.
    texts_.load(state_.programFolder, state_.settings, &platform_);
    const QString header = overdueHeader(texts_);
    const QString separator = texts_.line(3);
    stopTimer();
    const ScheduleList walk = list_;
    for (const ScheduleEntry& entry : walk) {
        const QDateTime now = platform_.now();
        const QDate today = now.date();
        const bool overdue =
            entry.day() < today || (entry.day() == today && entry.timeBytes < timeText(now));
        if (!overdue) {
            continue;
        }
        const ScheduleKey key = entry.key();
        stopTimer();
        platform_.showMessage(overdueNotice(header, separator, entry));
        startTimer();
        remove(key);
    }
    startTimer();
}

void DueCheck::remove(const ScheduleKey& key) {
    handled_.append(key);
    if (!files_.removeEntries(kind_, key, true) && !stuck_.contains(key)) {
        stuck_.append(key);
    }
}

void DueCheck::playSkinSound() {
    if (state_.settings.soundOff()) {
        return;
    }
    SoundPlayer& player = platform_.player();
    player.setFileName(state_.programFolder.path(QStringLiteral("\\skins\\") + state_.skinName +
                                                 QStringLiteral(".wav")));
    // Once the player is open, the clock's sound-end check releases it, also
    // when playing failed (it then reports the end at once). A file that does
    // not open leaves nothing to release.
    if (player.open()) {
        player.play();
        state_.soundPlaying = true;
    }
}
