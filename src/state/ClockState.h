#pragma once

#include <QDateTime>
#include <QString>

#include "settings/ProgramFolder.h"
#include "settings/SettingsRecord.h"
#include "state/ClockTimers.h"
#include "state/ProgramControl.h"

// State the running clock shares with the dialogs and the alerts.
struct ClockState {
    ProgramFolder programFolder;
    SettingsRecord settings;
    QString skinName;
    QDateTime lastActivity;
    bool dialogOpen = false;
    bool soundPlaying = false;
    bool skinHasNoSound = false;
    bool reloadReminders = true;
    bool reloadLaunches = true;
};
