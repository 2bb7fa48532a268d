#pragma once

#include <QDateTime>
#include <QString>

#include "settings/ProgramFolder.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsRecord.h"
#include "state/ClockTimers.h"
#include "state/ProgramControl.h"

// State the running clock shares with the dialogs and the alerts.
struct ClockState {
    ProgramFolder programFolder;
    SettingsRecord settings;
    ProgramOptions options;  // those of this program's own file
    QString skinName;
    QDateTime lastActivity;
    bool dialogOpen = false;
    bool soundPlaying = false;
    bool skinHasNoSound = false;
    bool reloadReminders = true;
    bool reloadLaunches = true;
    // The clock window has closed: the program ends, by its Exit, a restart
    // (the nightly one too) or the system's request. A notice that the end
    // closed was not read.
    bool ending = false;
};
