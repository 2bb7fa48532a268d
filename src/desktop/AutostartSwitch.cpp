#include "desktop/AutostartSwitch.h"

AutostartSwitch::AutostartSwitch(AutostartEntry entry, QString questionIfPresent,
                                 QString questionIfAbsent)
    : entry_(std::move(entry)),
      ifPresent_(std::move(questionIfPresent)),
      ifAbsent_(std::move(questionIfAbsent)) {}

QString AutostartSwitch::question() const {
    return entry_.exists() ? ifPresent_ : ifAbsent_;
}

AutostartSwitch::Action AutostartSwitch::actionFor(const QString& shownQuestion) const {
    return shownQuestion == ifAbsent_ ? Action::Create : Action::Delete;
}

void AutostartSwitch::carryOut(const QString& shownQuestion) const {
    if (actionFor(shownQuestion) == Action::Create) {
        entry_.create();
    } else {
        entry_.remove();
    }
}
