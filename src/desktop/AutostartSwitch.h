#pragma once

#include <QString>

#include "desktop/AutostartEntry.h"

// The autostart dialog's one question and what answering yes does. The
// question for a present entry and the one for an absent entry are fixed when
// the dialog is made; the answer is decided from the question that was shown:
// exactly the "absent" question creates the entry, any other text deletes it.
// So when both questions read the same, yes only ever creates.
class AutostartSwitch {
  public:
    enum class Action { Create, Delete };

    AutostartSwitch(AutostartEntry entry, QString questionIfPresent, QString questionIfAbsent);

    const AutostartEntry& entry() const { return entry_; }

    // The question that matches the entry's presence now.
    QString question() const;
    Action actionFor(const QString& shownQuestion) const;
    // Creates (leaving an existing entry alone) or deletes; failures pass
    // silently, the dialog reports none.
    void carryOut(const QString& shownQuestion) const;

  private:
    AutostartEntry entry_;
    QString ifPresent_;
    QString ifAbsent_;
};
