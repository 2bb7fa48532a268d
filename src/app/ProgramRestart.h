#pragma once

#include <functional>

#include "state/ClockState.h"

class Platform;

// Restarting: the restart flag (with the caller's changes) goes into the
// settings file first, then a new, independent instance is started in the
// program folder, then this one closes.
class ProgramRestart : public ProgramControl {
  public:
    ProgramRestart(const ClockState& state, Platform& platform, std::function<void()> closeClock);

    Expected<void> restartProgram(const std::function<void(SettingsRecord&)>& change) override;

    // As Installation::executableFor tells it for the running executable.
    QString executable() const override;

  private:
    const ClockState& state_;
    Platform& platform_;
    std::function<void()> closeClock_;
};
