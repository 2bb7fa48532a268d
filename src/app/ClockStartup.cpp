#include "app/ClockStartup.h"

#include <QFileInfo>

#include "calendar/HolidayFile.h"
#include "desktop/AutostartEntry.h"
#include "locale/LanguageBootstrap.h"
#include "platform/Platform.h"
#include "scheduler/ScheduleKind.h"
#include "settings/FormatNames.h"
#include "settings/PlainFile.h"
#include "settings/ProgramOptions.h"
#include "settings/ScratchLeftovers.h"
#include "settings/SettingsFile.h"
#include "settings/SkinFiles.h"
#include "texts/ProgramTexts.h"

ClockStartup::ClockStartup(ClockState& state, ClockTimers timers, Platform& platform)
    : state_(state), timers_(timers), platform_(platform) {}

QString ClockStartup::skinFile(const QString& suffix) const {
    return skinfiles::path(state_.programFolder, state_.skinName, suffix);
}

void ClockStartup::loadState(const QString& programFolder) {
    state_.skinHasNoSound = false;
    state_.dialogOpen = false;
    state_.soundPlaying = false;
    state_.reloadReminders = true;
    state_.reloadLaunches = true;
    state_.programFolder = ProgramFolder(programFolder);

    applyLanguageBootstrap(state_.programFolder);
    const SettingsFile file(state_.programFolder.path(formatnames::settingsFile()));
    const SettingsFile::StartupLoad load = file.loadAtStartup();
    state_.settings = load.record;
    if (load.rebuilt && !load.written) {
        // Saying "rebuilt" here would send the user looking for a file that
        // is not there; the next start will find the same fault.
        platform_.showError(
            programtexts::settingsNotRebuilt(file.path(), load.problem, load.writeError));
    } else if (load.rebuilt) {
        platform_.showError(programtexts::settingsRebuilt(file.path(), load.problem));
    }
    state_.options = ProgramOptions::read(state_.programFolder.path(formatnames::optionsFile()));
    state_.skinName = state_.settings.skinName();
    state_.lastActivity = platform_.now();
    startDate_ = state_.lastActivity.date();

    if (!QFileInfo(skinFile(QStringLiteral(".wav"))).isFile()) {
        state_.settings.setSoundOff(true);  // this run only; the file keeps its value
        state_.skinHasNoSound = true;
    }
}

ClockStartup::Outcome ClockStartup::finish() {
    if (!state_.settings.restartFlag()) {
        if (platform_.instanceMarker().anotherInstanceRuns()) {
            return Outcome::AnotherInstanceRuns;
        }
        removeScratchLeftovers();
        if (!state_.settings.soundOff()) {
            SoundPlayer& player = platform_.player();
            player.setFileName(skinFile(QStringLiteral(".wav")));
            if (player.open()) {
                player.play();
            }
            state_.soundPlaying = true;
        }
    } else {
        const SettingsFile file(state_.programFolder.path(formatnames::settingsFile()));
        const Expected<void> cleared =
            file.updateCopy([](SettingsRecord& copy) { copy.setRestartFlag(false); });
        if (!cleared) {
            platform_.showError(programtexts::restartMarkNotCleared(file.path(), cleared.error()));
        }
        platform_.instanceMarker().takeOverWhenFree();
    }
    timers_.idleCheck->enable();
    return Outcome::Run;
}

// Only here, with the marker held: another instance could be in the middle
// of a save whose scratch file this would take away. A restarted start skips
// it, since the old instance may still be closing.
void ClockStartup::removeScratchLeftovers() {
    const ProgramFolder& folder = state_.programFolder;
    // The rule file of the repeating reminders and the options are saved as
    // the settings are.
    QStringList targets{folder.path(formatnames::settingsFile()),
                        folder.path(formatnames::optionsFile()),
                        folder.path(formatnames::repeatRuleFile())};
    for (int month = 1; month <= 12; ++month) {
        targets << holidays::pathFor(folder, month);
    }
    // The autostart entry is saved the same way; its scratch name is not a
    // .desktop file, so the session never starts it, but it would stay for good.
    const AutostartEntry autostart(platform_.autostartFolder(), QString(), QString());
    if (!autostart.path().isEmpty()) {
        targets << autostart.path();
    }
    // A rewrite through a link leaves its scratch file beside the file the
    // link ends in: the schedules then have theirs there too.
    const QStringList schedules{folder.path(schedule::fileName(ScheduleKind::Reminders)),
                                folder.path(schedule::fileName(ScheduleKind::Launches))};
    for (const QString& path : QStringList(targets) + schedules) {
        if (QFileInfo(path).isSymLink()) {
            targets << plainfile::linkEnd(path);
        }
    }
    scratchleftovers::remove(targets, {folder.path(schedule::scratchName(ScheduleKind::Reminders)),
                                       folder.path(schedule::scratchName(ScheduleKind::Launches))});
}

void ClockStartup::soundEndCheck() {
    if (state_.soundPlaying && platform_.player().atEnd()) {
        platform_.player().stop();
        platform_.player().close();
        state_.soundPlaying = false;
        if (!state_.dialogOpen) {
            timers_.idleCheck->enable();
        }
    }
}

bool ClockStartup::dayChanged(QDate today) const {
    return today != startDate_;
}
