#include "app/ProgramRestart.h"

#include <QCoreApplication>

#include "desktop/Installation.h"
#include "platform/Platform.h"
#include "settings/FormatNames.h"
#include "settings/SettingsFile.h"

ProgramRestart::ProgramRestart(const ClockState& state, Platform& platform,
                               std::function<void()> closeClock)
    : state_(state), platform_(platform), closeClock_(std::move(closeClock)) {}

QString ProgramRestart::executable() const {
    return Installation(QCoreApplication::applicationFilePath())
        .executableFor(state_.programFolder.root());
}

Expected<void> ProgramRestart::restartProgram(const std::function<void(SettingsRecord&)>& change) {
    const SettingsFile file(state_.programFolder.path(formatnames::settingsFile()));
    const Expected<void> written = file.updateCopy([&](SettingsRecord& copy) {
        if (change) {
            change(copy);
        }
        copy.setRestartFlag(true);
    });
    if (!written) {
        // Without the flag the new instance would take itself for a second
        // copy and end: keep running instead.
        return written;
    }
    platform_.startDetached(executable(), state_.programFolder.root());
    closeClock_();
    return {};
}
