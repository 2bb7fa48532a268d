#include "app/ChronidexApp.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>

#include "autohide/HomeScreen.h"
#include "platform/Platform.h"
#include "scheduler/TodaysReminders.h"
#include "texts/ProgramTexts.h"

ChronidexApp::ChronidexApp(Platform& platform)
    : platform_(platform),
      startup_(state_, timers_.switches(), platform),
      protocol_(state_, timers_.switches(), platform),
      restart_(state_, platform,
               [this] {
                   restarting_ = true;
                   clock_.close();
               }),
      context_{state_,   timers_.switches(), protocol_,
               platform, restart_,           [this](int topic) { dialogs_.showHelp(topic); }},
      menu_(&clock_),
      faceView_(&clock_.facePanel()),
      face_(state_, platform, faceView_),
      faceThread_(
          platform, faceView_, face_, [this] { face_.drawClockFace(); },
          [this] {
              if (!state_.ending) {
                  armFaceTick(platform_.now().time());
              }
          }),
      dialogs_(context_, [this] { return menu_.item(MenuItem::About)->text(); }),
      reminders_(state_, timers_.switches(), platform),
      launches_(state_, timers_.switches(), platform),
      awaySleep_(
          platform, dueChecks_, [this] { return startup_.startDate().addDays(1).startOfDay(); },
          [this] { onFaceTick(); }) {
    soundEndTold_ = platform_.player().setEndHandler([this] { startup_.soundEndCheck(); });
    connect(&clock_, &ClockWindow::closing, this, [this] {
        state_.ending = true;
        timers_.stopAll();
        faceThread_.stop();
        awaySleep_.stop();
        emit finished();
    });
    // A log-out or `kill` ends the program the way the menu's Exit does.
    platform_.setEndRequestHandler([this] { exitProgram(); });
}

ChronidexApp::~ChronidexApp() {
    platform_.setEndRequestHandler({});
    platform_.setDesktopChangedHandler({});
}

// Closing the clock window ends the program: its closing stops the timers and
// tells main to leave the event loop, nested ones of open dialogs included.
void ChronidexApp::exitProgram() {
    clock_.close();
}

bool ChronidexApp::start(const QString& programFolder) {
    startup_.loadState(programFolder);
    createClockWindow();
    if (startup_.finish() == ClockStartup::Outcome::AnotherInstanceRuns) {
        return false;
    }
    if (state_.ending) {
        return true;  // ended by a request while a message of the start was up
    }
    platform_.instanceMarker().setRaiseHandler([this] { bringForward(); });
    // The due checks read the file again on their next tick: when the file
    // changed on disk, and when a command line that shares the clock's
    // runtime folder asks, which also reaches a clock whose folder gives no
    // notifications.
    scheduleWatch_ = std::make_unique<ScheduleFileWatch>(
        state_.programFolder,
        [this](ScheduleKind kind) { schedule::reloadFlag(state_, kind) = true; });
    platform_.instanceMarker().setReloadHandler([this](const QString& name) {
        if (const std::optional<ScheduleKind> kind = schedule::kindNamed(name)) {
            schedule::reloadFlag(state_, *kind) = true;
        }
    });
    createOtherWindows();
    if (state_.ending) {
        return true;
    }
    wireTimers();
    wireMenu();
    wireAccessibility();
    clock_.show();
    calendar_->show();
    if (pullTab_ && !state_.settings.noPullTab()) {
        pullTab_->show();
    }
    armFaceTick(platform_.now().time());
    timers_.reminderCheck.enable();
    timers_.launchCheck.enable();
    // Whatever the events just handled changed (a reload asked for, a check
    // switched on again) is looked at before the program sleeps.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &ChronidexApp::beforeWaiting);
    return true;
}

void ChronidexApp::createClockWindow() {
    const QRect area = homeScreen(platform_.monitors()).workArea;
    clock_.move(area.x() + area.width() - clock_.width(), area.top());
    faceView_.setGeometry(1, 1, ClockFace::kFaceSize, ClockFace::kFaceSize);
    face_.drawClockFace();
}

void ChronidexApp::createOtherWindows() {
    calendar_ = std::make_unique<CalendarWindow>(
        clock_.frameGeometry(), QColor::fromRgb(face_.faceCornerColour()), state_.programFolder,
        state_.settings, platform_.now().date(), platform_);
    pullTab_ = std::make_unique<PullTabWindow>(state_);
    platform_.adoptDesktopWindow(clock_, false);
    platform_.adoptDesktopWindow(*calendar_, false);
    platform_.adoptDesktopWindow(*pullTab_, true);
    slide_ = std::make_unique<WidgetSlideWindows>(clock_, *pullTab_, calendar_.get(),
                                                  [this] { return autoHide_->edge(); });
    autoHide_ = std::make_unique<AutoHide>(state_, timers_.switches(), platform_, *slide_);
    slide_->setPlacedElsewhereHandler(
        [this](QPoint actual) { autoHide_->clockPlacedElsewhere(actual); });
    slide_->setDesktopPlacer(
        [this](QWidget& window, QPoint topLeft) { return platform_.placeWindow(window, topLeft); });
    const QPoint home = autoHide_->homePosition();
    slide_->moveClock(home.x(), home.y());
    slide_->moveCalendar(home.x(), home.y() + slide_->clockHeight());
    autoHide_->setUpTab();
    dialogs_.makeAutostartDialog();
    connect(pullTab_.get(), &PullTabWindow::clicked, this, [this] { autoHide_->tabClick(); });
    connect(&faceView_, &PictureView::mouseEntered, this, [this] { autoHide_->faceEntered(); });
    connect(&faceView_, &PictureView::mouseLeft, this, [this] { autoHide_->faceLeft(); });
    // A monitor or a panel changed: the clock keeps to its corner.
    platform_.setDesktopChangedHandler([this] {
        autoHide_->screensChanged();
        redrawFaceIfSeen(platform_.now().time());  // home at once, not by the slide back
    });
}

void ChronidexApp::wireTimers() {
    AutoHide& autoHide = *autoHide_;
    connect(&timers_.idleCheck, &QTimer::timeout, this, [&autoHide] { autoHide.idleCheckTick(); });
    connect(&timers_.slideAway, &QTimer::timeout, this, [this, &autoHide] {
        autoHide.slideAwayStep();
        if (autoHide.isAway() && faceThread_.running()) {
            armFaceTick(platform_.now().time());  // nothing to paint any more: sleep
        }
    });
    connect(&timers_.slideBack, &QTimer::timeout, this, [this, &autoHide] {
        autoHide.slideBackStep();
        redrawFaceIfSeen(platform_.now().time());  // the face was left as it was while away
    });
    connect(&timers_.edgeWatch, &QTimer::timeout, this, [&autoHide] { autoHide.edgeWatchTick(); });
    connect(&timers_.faceTick, &QTimer::timeout, this, &ChronidexApp::onFaceTick);
    dueChecks_.addCheck(
        timers_.reminderCheck, [this] { reminders_.reminderTick(); },
        [this] { return reminders_.nextDueMinute(); });
    dueChecks_.addCheck(
        timers_.launchCheck, [this] { launches_.launchTick(); },
        [this] { return launches_.nextDueMinute(); });
}

void ChronidexApp::onFaceTick() {
    // One reading of the clock serves the whole tick: each reading of the
    // local time has the C library look at the zone file again.
    const QDateTime now = platform_.now();
    startup_.soundEndCheck();
    redrawFaceIfSeen(now.time());
    dueChecks_.secondTick(now);
    armFaceTick(now.time());  // after the checks are asked for: a sleep waits for them
    // Checked at every tick, and the ticks fall on the second boundaries, so
    // the restart comes within the first second of the new date, after a
    // clock change too. When it fails this instance goes on: the face and the
    // due checks tick as before, and the failure is told once.
    if (startup_.dayChanged(now.date()) && !restarting_ && !restartFailed_) {
        if (const Expected<void> restarted = restart_.restartProgram({}); !restarted) {
            restartFailed_ = true;
            platform_.showError(programtexts::nightlyRestartFailed(restarted.error()));
        }
    }
}

void ChronidexApp::armFaceTick(QTime now) {
    // The face changes with the second, so the tick waits for the next one.
    // What gives no notice of its own is looked at ten times a second: skin
    // files in a folder that cannot be watched, a sound whose end the player
    // does not tell. Otherwise the program sleeps until the due checks or
    // the day change want it: away, nothing of the face is seen; in view,
    // the platform's ticker moves the hands.
    constexpr int kPollMs = 100;
    const bool soundPoll = state_.soundPlaying && !soundEndTold_;
    const bool poll = !face_.watchesSkin() || soundPoll;
    const bool away = autoHide_ && autoHide_->isAway();
    if (away) {
        faceThread_.stop();
    }
    const bool handsMove = away ? !soundPoll : !poll && faceThread_.start();
    if (handsMove && awaySleep_.sleep()) {
        timers_.faceTick.stop();
        return;
    }
    faceThread_.stop();
    awaySleep_.stop();
    timers_.faceTick.start(poll ? kPollMs : 1000 - now.msec());
}

void ChronidexApp::redrawFaceIfSeen(QTime now) {
    // Slid off the screen, the clock is not seen: painting it would cost the
    // same as on screen for nothing.
    if (!autoHide_ || !autoHide_->isAway()) {
        face_.drawClockFace(now);
        if (awaySleep_.sleeping() && !faceThread_.running()) {
            armFaceTick(now);  // back in view: the face ticks again
        }
    }
}

// A check that ran after the tick, or a reload asked for meanwhile, may want
// the program at another moment; a sound started by a check whose end the
// player does not tell has to be looked at.
void ChronidexApp::beforeWaiting() {
    if (!awaySleep_.sleeping()) {
        return;
    }
    if (state_.soundPlaying && !soundEndTold_) {
        armFaceTick(platform_.now().time());
        return;
    }
    awaySleep_.settle();
}

void ChronidexApp::wireMenu() {
    connect(&menu_, &QMenu::aboutToShow, this, [this] { autoHide_->menuOpened(); });
    connect(&menu_, &QMenu::aboutToHide, this, [this] { autoHide_->menuClosed(); });
    clock_.onContextMenu = [this](const QPoint& at, bool fromKeyboard) {
        menu_.popup(at);
        // Opened from the keyboard, it starts on its first item, which a
        // screen reader then reads out; as after the Down key, the item's
        // submenu stays closed until asked for.
        if (fromKeyboard) {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QCoreApplication::sendEvent(&menu_, &down);
        }
    };
    for (MenuItem item :
         {MenuItem::AddReminder, MenuItem::AddLaunch, MenuItem::Language, MenuItem::Skins,
          MenuItem::Autostart, MenuItem::OtherSettings, MenuItem::Holidays, MenuItem::About}) {
        menu_.setAction(item, [this, item] { dialogs_.dialog(item).showAndRaise(); });
    }
    menu_.setAction(MenuItem::Help, [this] { dialogs_.showHelp(0); });
    menu_.setAction(MenuItem::Exit, [this] { exitProgram(); });
}

// What a screen reader is told of the clock, and the menu key on the
// calendar, which has no menu of its own.
void ChronidexApp::wireAccessibility() {
    spoken_ = std::make_unique<SpokenClock>(
        clock_, platform_, AccessibleTexts(state_.programFolder, state_.settings),
        [this](const QDate& day) { return schedule::todaysReminders(reminders_.list(), day); });
    calendar_->onMenuKey = [this] { clock_.openMenu(); };
}

// Away, the clock comes back as at a click on the tab; at home it comes to
// the front. Either way it takes the keyboard focus: a second start is how
// the user reaches the clock without the mouse.
void ChronidexApp::bringForward() {
    if (autoHide_ && autoHide_->isAway()) {
        autoHide_->tabClick();
    } else {
        slide_->showClock();
    }
    clock_.activateWindow();
    clock_.setFocus(Qt::ActiveWindowFocusReason);
}
