#pragma once

#include <QString>
#include <utility>

#include "settings/SettingsFile.h"
#include "settings/SettingsRecord.h"
#include "state/ProgramControl.h"

// Stands in for the running program: counts the restarts instead of starting
// anything. Given a settings file, it rewrites it as the clock does, with the
// caller's change and the restart flag. `failure` makes it refuse with that
// reason, as when the file cannot be rewritten. `changedOtherFields` tells
// whether a change touched any field of the record.
class FakeProgramControl : public ProgramControl {
  public:
    explicit FakeProgramControl(QString settingsPath = {}) : file_(std::move(settingsPath)) {}
    Expected<void> restartProgram(const std::function<void(SettingsRecord&)>& change) override {
        ++restarts;
        SettingsRecord copy = SettingsRecord::defaults();
        change(copy);
        changedOtherFields = changedOtherFields || !(copy == SettingsRecord::defaults());
        if (!failure.isEmpty()) {
            return Failure{failure};
        }
        if (file_.path().isEmpty()) {
            return {};
        }
        return file_.updateCopy([&](SettingsRecord& rec) {
            change(rec);
            rec.setRestartFlag(true);
        });
    }
    QString executable() const override { return executablePath; }

    int restarts = 0;
    QString failure;
    bool changedOtherFields = false;
    QString executablePath = QStringLiteral("/usr/bin/chronidex");

  private:
    SettingsFile file_;
};
