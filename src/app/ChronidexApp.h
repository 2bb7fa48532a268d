#pragma once

#include <QObject>
#include <memory>

#include "app/ClockMenu.h"
#include "app/ClockStartup.h"
#include "app/ClockWindow.h"
#include "app/ProgramRestart.h"
#include "autohide/AutoHide.h"
#include "autohide/DialogProtocol.h"
#include "autohide/ui/PullTabWindow.h"
#include "autohide/ui/WidgetSlideWindows.h"
#include "calendar/ui/CalendarWindow.h"
#include "calendar/ui/HolidayEditor.h"
#include "clockface/ui/ClockFace.h"
#include "clockface/ui/TJImage.h"
#include "config/DialogContext.h"
#include "desktop/ui/TForm12.h"
#include "desktop/ui/TSkins.h"
#include "desktop/ui/Tautr.h"
#include "locale/ui/Tvibyaz.h"
#include "scheduler/LaunchDueCheck.h"
#include "scheduler/ReminderDueCheck.h"
#include "scheduler/ui/LaunchEditor.h"
#include "scheduler/ui/OtherSettingsDialog.h"
#include "scheduler/ui/ReminderEditor.h"

class HelpViewer;
class Platform;

// The composition root: creates every window once, in the program's order,
// hands each what it needs and wires the clock's timers to the logic they
// drive.
class ChronidexApp : public QObject {
    Q_OBJECT
  public:
    explicit ChronidexApp(Platform& platform);
    ~ChronidexApp() override;

    // Runs the start-up in the current directory. False when another
    // instance runs: then nothing has been shown and the process should end.
    bool start(const QString& programFolder);

    ClockWindow& clock() { return chas_; }
    ClockMenu& menu() { return menu_; }
    ClockState& state() { return state_; }
    void showHelp(int topic);

  signals:
    void finished();

  private:
    void createClockWindow();
    void createOtherWindows();
    void wireTimers();
    void wireMenu();
    void strTimer();
    void bringForward();

    Platform& platform_;
    ClockState state_;
    ClockWindow chas_;
    ClockStartup startup_;
    DialogProtocol protocol_;
    ProgramRestart restart_;
    DialogContext context_;
    ClockMenu menu_;
    TJImage im_;
    ClockFace face_;
    std::unique_ptr<Tkol> kol_;
    std::unique_ptr<PullTabWindow> kn_;
    std::unique_ptr<WidgetSlideWindows> slide_;
    std::unique_ptr<AutoHide> autoHide_;
    std::unique_ptr<Tvibyaz> vibyaz_;
    std::unique_ptr<TSkins> skins_;
    std::unique_ptr<Tprazd> prazd_;
    std::unique_ptr<Tnapom> napom_;
    std::unique_ptr<Tautr> autr_;
    std::unique_ptr<TRun> run_;
    std::unique_ptr<Tother> other_;
    std::unique_ptr<TForm12> about_;
    ReminderDueCheck reminders_;
    LaunchDueCheck launches_;
    std::unique_ptr<HelpViewer> help_;
    bool restarting_ = false;
};
