#pragma once

#include <QString>
#include <functional>

#include "settings/Expected.h"

class SettingsRecord;

// What the dialogs may ask of the running program as a whole.
class ProgramControl {
  public:
    virtual ~ProgramControl() = default;
    // Sets the restart flag in the settings file (with the caller's other
    // changes), starts a new instance and closes this one. A failure when the
    // settings file could not be rewritten; then nothing restarts.
    virtual Expected<void> restartProgram(const std::function<void(SettingsRecord&)>& change) = 0;
    // The executable that starts this program again in its program folder.
    virtual QString executable() const = 0;
};
