#pragma once

#include <QDate>

#include "state/ClockState.h"

class Platform;

// The clock window's start-up steps that need no window, in their order, and
// the checks of the face tick that belong to the program's life.
class ClockStartup {
  public:
    ClockStartup(ClockState& state, ClockTimers timers, Platform& platform);

    enum class Outcome { Run, AnotherInstanceRuns };

    // Fixes the program folder, runs the language bootstrap, loads the
    // settings (rebuilding a missing or damaged file, and saying so once),
    // derives the skin name and applies the missing-sound rule.
    void loadState(const QString& programFolder);
    // The single-instance check and the start-up sound on an ordinary start;
    // on a restarted one the flag is cleared in the file and the marker taken
    // over once the old instance has let it go. Then the idle check starts.
    // An ordinary start that holds the marker removes the scratch files of
    // saves a crash cut short.
    Outcome finish();

    // First step of every face tick, and what the player calls when its
    // sound ended: closes the player once its sound ended.
    void soundEndCheck();
    // True at the first tick whose local date, `today`, differs from the
    // start's: time for the nightly restart.
    bool dayChanged(QDate today) const;
    QDate startDate() const { return startDate_; }

    QString skinFile(const QString& suffix)
        const;  // "\skins\<skinName><suffix>", empty for a name that is no file name

  private:
    void removeScratchLeftovers();

    ClockState& state_;
    ClockTimers timers_;
    Platform& platform_;
    QDate startDate_;
};
