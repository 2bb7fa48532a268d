#pragma once

#include <QString>
#include <functional>

// A notification of the desktop's notification service with the program's
// icon, shown until the user acts on it, with two actions.
struct DesktopNotice {
    QString title;
    QString text;
    QString confirmAction;  // the action's caption
    QString laterAction;
};

// The desktop's notification service, as the reminders use it. Nothing here
// waits on the service: each notice's outcome comes later, from the event
// loop.
class DesktopNotifier {
  public:
    enum class Outcome {
        Confirmed,          // the user chose the confirming action
        PutOff,             // the user chose the later action
        DismissedByUser,    // the user closed it
        ClosedWithoutUser,  // it expired, or was closed or replaced by another program
        ServiceGone,        // the service left the bus while it was open
        NotShown,           // no service answered, it offers no actions, or it refused
    };

    virtual ~DesktopNotifier() = default;
    // Shows `notice`; `done` is called exactly once, never from within this
    // call, unless withdraw() comes first.
    virtual void show(const DesktopNotice& notice, std::function<void(Outcome)> done) = 0;
    // Takes back the notice shown last, when it is still open, and forgets
    // its `done`: the program ends.
    virtual void withdraw() = 0;
};
