#include "app/ClockStartup.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "locale/LanguageBootstrap.h"
#include "platform/Platform.h"
#include "settings/SettingsFile.h"

ClockStartup::ClockStartup(ClockState& state, ClockTimers timers, Platform& platform)
    : state_(state), timers_(timers), platform_(platform) {}

QString ClockStartup::skinFile(const QString& suffix) const {
    return state_.programFolder.path(QStringLiteral("\\skins\\") + state_.skinName + suffix);
}

void ClockStartup::loadState(const QString& programFolder) {
    state_.skinHasNoSound = false;
    state_.dialogOpen = false;
    state_.soundPlaying = false;
    state_.reloadReminders = true;
    state_.reloadLaunches = true;
    state_.programFolder = ProgramFolder(programFolder);

    applyLanguageBootstrap(state_.programFolder);
    const SettingsFile file(state_.programFolder.path(QStringLiteral("\\system\\system.ini")));
    const SettingsFile::StartupLoad load = file.loadAtStartup();
    state_.settings = load.record;
    if (load.rebuilt) {
        platform_.showError(
            QCoreApplication::translate(
                "ClockStartup",
                "Файл настроек «%1» не читается (%2). Он создан заново с настройками по умолчанию.")
                .arg(file.path(), load.problem));
    }
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
        if (!state_.settings.soundOff()) {
            SoundPlayer& player = platform_.player();
            player.setFileName(skinFile(QStringLiteral(".wav")));
            if (player.open()) {
                player.play();
            }
            state_.soundPlaying = true;
        }
    } else {
        const SettingsFile file(state_.programFolder.path(QStringLiteral("\\system\\system.ini")));
        QString error;
        if (!file.updateCopy([](SettingsRecord& copy) { copy.setRestartFlag(false); }, &error)) {
            platform_.showError(
                QCoreApplication::translate("ClockStartup",
                                            "Не удалось снять отметку перезапуска в «%1»: %2")
                    .arg(file.path(), error));
        }
        platform_.instanceMarker().takeOverWhenFree();
    }
    timers_.idleCheck->enable();
    return Outcome::Run;
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

bool ClockStartup::dayChanged() const {
    return platform_.now().date() != startDate_;
}
