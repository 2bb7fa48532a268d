#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

#include "config/ProgramFolder.h"
#include "config/SettingsRecord.h"
#include "config/TimerSwitch.h"

// The clock window's timers, by their names.
struct ClockTimers {
    TimerSwitch* t1 = nullptr;     // 1000 ms idle check
    TimerSwitch* zad = nullptr;    // 75 ms slide away
    TimerSwitch* otk = nullptr;    // 75 ms slide back
    TimerSwitch* str = nullptr;    // 100 ms sound end, face redraw, day change
    TimerSwitch* nap = nullptr;    // 1000 ms reminder due check
    TimerSwitch* napr = nullptr;   // 1000 ms launch due check
    TimerSwitch* bezkn = nullptr;  // 100 ms screen-edge watch
};

// State the clock window owns and shares with the dialogs and the alerts.
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

// What the dialogs may ask of the running program as a whole.
class ProgramControl {
  public:
    virtual ~ProgramControl() = default;
    // Sets the restart flag in the settings file (with the caller's other
    // changes), starts a new instance and closes this one. False, with the
    // reason, when the settings file could not be rewritten; then nothing
    // restarts.
    virtual bool restartProgram(const std::function<void(SettingsRecord&)>& change,
                                QString* error) = 0;
};
