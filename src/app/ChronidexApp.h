#pragma once

#include <QObject>
#include <QTime>
#include <memory>

#include "app/AwaySleep.h"
#include "app/ClockMenu.h"
#include "app/ClockStartup.h"
#include "app/ClockWindow.h"
#include "app/DueCheckTicks.h"
#include "app/FaceThread.h"
#include "app/MenuDialogs.h"
#include "app/ProgramRestart.h"
#include "app/ProgramTimers.h"
#include "app/SpokenClock.h"
#include "autohide/AutoHide.h"
#include "autohide/DialogProtocol.h"
#include "autohide/ui/PullTabWindow.h"
#include "autohide/ui/WidgetSlideWindows.h"
#include "calendar/ui/CalendarWindow.h"
#include "clockface/ui/ClockFace.h"
#include "clockface/ui/FaceView.h"
#include "dialogs/DialogContext.h"
#include "scheduler/LaunchDueCheck.h"
#include "scheduler/ReminderDueCheck.h"
#include "scheduler/ScheduleFileWatch.h"

class Platform;

// The composition root: creates every window once, clock first, then the
// calendar and the pull tab, each dialog when first opened; hands each what
// it needs and wires the program's timers to the logic they drive.
class ChronidexApp : public QObject {
    Q_OBJECT
  public:
    explicit ChronidexApp(Platform& platform);
    ~ChronidexApp() override;

    // Runs the start-up in the current directory. False when another
    // instance runs: then nothing has been shown and the process should end.
    bool start(const QString& programFolder);
    // True once the program has ended, the start included: a request to end
    // that came while the start showed a message ends it there.
    bool ended() const { return state_.ending; }

    ClockWindow& clock() { return clock_; }
    ClockMenu& menu() { return menu_; }
    ClockState& state() { return state_; }
    ProgramTimers& timers() { return timers_; }
    SpokenClock* spokenClock() { return spoken_.get(); }
    CalendarWindow* calendar() { return calendar_.get(); }
    PullTabWindow* pullTab() { return pullTab_.get(); }
    // The dialog a menu item opens; null for items that open none and for a
    // dialog not opened yet.
    QWidget* dialogFor(MenuItem item) const { return dialogs_.madeFor(item); }

  signals:
    void finished();

  private:
    void createClockWindow();
    void createOtherWindows();
    void wireTimers();
    void wireMenu();
    void wireAccessibility();
    void onFaceTick();
    void armFaceTick(QTime now);
    void redrawFaceIfSeen(QTime now);
    void beforeWaiting();
    void bringForward();
    void exitProgram();

    Platform& platform_;
    ClockState state_;
    ProgramTimers timers_;
    ClockWindow clock_;
    ClockStartup startup_;
    DialogProtocol protocol_;
    ProgramRestart restart_;
    DialogContext context_;
    ClockMenu menu_;
    FaceView faceView_;
    ClockFace face_;
    FaceThread faceThread_;
    std::unique_ptr<CalendarWindow> calendar_;
    std::unique_ptr<PullTabWindow> pullTab_;
    std::unique_ptr<WidgetSlideWindows> slide_;
    std::unique_ptr<AutoHide> autoHide_;
    MenuDialogs dialogs_;  // ended before the windows and the logic they use
    ReminderDueCheck reminders_;
    LaunchDueCheck launches_;
    DueCheckTicks dueChecks_;
    std::unique_ptr<ScheduleFileWatch> scheduleWatch_;
    std::unique_ptr<SpokenClock> spoken_;
    AwaySleep awaySleep_;  // after the checks it asks
    bool restarting_ = false;
    bool restartFailed_ = false;  // told once; the clock goes on with this instance
    bool soundEndTold_ = false;   // the player calls us when its sound ends
};
