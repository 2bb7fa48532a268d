#pragma once

#include <QDateTime>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "platform/DesktopNotifier.h"
#include "platform/Monitor.h"
#include "platform/WindowTicker.h"

// Everything the program asks of the system goes through this boundary: the
// time, modal notices and questions, the sound player, opening files and
// starting programs, the single-instance marker, the log-on autostart entry
// and the system's request to end.
// The Linux implementation lives in platform/linux; tests hand in a fake that
// records what was asked and answers as scripted.

enum class ShowMode { Hidden, Normal, Maximised };

// One wave player per process: plays one file once without blocking.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void setFileName(const QString& path) = 0;
    // Opens the file set last, closing (and so cutting off) a sound still open.
    // False when the file cannot be opened or there is no audio device.
    virtual bool open() = 0;
    // Starts from the beginning and returns at once.
    virtual bool play() = 0;
    // True once the sound has played to its end (or never could start).
    virtual bool atEnd() const = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    // Asks to have `handler` called soon after a sound ended or could not
    // start, from the event loop and never from within the player's own
    // calls, so that nobody has to poll atEnd(). A call may also come when
    // nothing ended; atEnd() tells. False when the player cannot tell: then
    // atEnd() must be polled.
    virtual bool setEndHandler(std::function<void()> handler) {
        (void)handler;
        return false;
    }
};

// A per-user marker that tells whether another instance runs.
class InstanceMarker {
  public:
    virtual ~InstanceMarker() = default;
    // Takes the marker when it is free. When another live instance holds it,
    // asks that instance to bring its clock forward and returns true.
    virtual bool anotherInstanceRuns() = 0;
    // For an instance started by a restart: takes the marker as soon as the
    // instance that asked for the restart has released it.
    virtual void takeOverWhenFree() = 0;
    // Called in the holder when a later start asks it to come forward.
    virtual void setRaiseHandler(std::function<void()> handler) = 0;
    // Called in the holder when a command line has changed a schedule file
    // and asks the running clock to read it again, with the schedule's name
    // as the command line sent it.
    virtual void setReloadHandler(std::function<void(const QString& schedule)> handler) = 0;
};

// An alarm on the wall clock, for a program that sleeps until its next
// appointment: it rings at a moment of the wall clock however long the
// system was suspended meanwhile, and rings at once when the wall clock is
// set (by the user, by time synchronisation, on resume from a suspend),
// since an appointment may then be due or past.
class WallClockAlarm {
  public:
    virtual ~WallClockAlarm() = default;
    // Rings at `when`, in place of the moment set before; a moment already
    // past rings at once.
    virtual void set(const QDateTime& when) = 0;
    virtual void cancel() = 0;
    // Called from the event loop when the alarm rings or, while it is set,
    // the wall clock was set.
    virtual void setHandler(std::function<void()> handler) = 0;
};

// Tells when the mouse pointer enters an area of the screen, from the window
// system's own pointer events, so that nobody has to ask for its position
// again and again. Nothing of it shows, and it takes no clicks from the
// windows under it that the pointer could not reach without entering it.
class PointerArea {
  public:
    virtual ~PointerArea() = default;
    // Watches `area` (screen pixels, as Qt counts them) until the pointer
    // enters it or stop() is called; `entered` is called once, from the
    // event loop. False when the area cannot be watched: then the caller
    // has to look at the pointer itself.
    virtual bool watch(const QRect& area, std::function<void()> entered) = 0;
    virtual void stop() = 0;
};

// The time of day, for those that only read it.
class WallClock {
  public:
    virtual ~WallClock() = default;
    virtual QDateTime now() const = 0;
};

// What a reminder's notice offers beside its confirming button: putting the
// reminder off by one of a few spans of minutes.
struct PutOffChoice {
    QList<int> minutes{5, 10, 15, 30, 60};
    int preselected = 10;
    QString laterCaption;  // the button that puts it off
    QString chooserName;   // the minutes' chooser, as a screen reader names it
    QString minuteUnit;    // after each number of minutes
};

// What the user did with a reminder's notice. A notice that the program's
// end closed counts as confirmed here; the caller knows of the end.
struct ReminderAnswer {
    enum class Choice { Confirmed, PutOff };
    Choice choice = Choice::Confirmed;
    int minutes = 0;  // how long it was put off
};

// The user's notices, for those that only tell.
class Notices {
  public:
    virtual ~Notices() = default;
    // Modal notice with the application's title, no icon and one OK button,
    // in the middle of the screen; returns when the user dismisses it. Other
    // timers keep running meanwhile.
    virtual void showMessage(const QString& text) = 0;
    // The general error message box for a failed operation.
    virtual void showError(const QString& text) = 0;
    // The notice of a reminder: as showMessage, with a way to put it off.
    virtual ReminderAnswer showReminder(const QString& text, const PutOffChoice& later) {
        (void)later;
        showMessage(text);
        return {};
    }
};

class Platform : public WallClock, public Notices {
  public:
    // Modal input box; nothing when cancelled. Its cancel button reads
    // `cancelCaption`, the asking dialog's own, so both speak one language.
    virtual std::optional<QString> askText(const QString& caption, const QString& prompt,
                                           const QString& cancelCaption) = 0;
    // Modal open-file chooser; `filters` as "Name (*.ext)" entries.
    virtual std::optional<QString> chooseFile(const QStringList& filters) = 0;

    virtual SoundPlayer& player() = 0;
    virtual InstanceMarker& instanceMarker() = 0;
    // The desktop's notification service; null where the program cannot
    // reach one at all.
    virtual DesktopNotifier* desktopNotifier() { return nullptr; }

    // Hands a file, folder or link to the program associated with it, or starts
    // an executable file directly; never through a shell command line. Returns
    // at once; false when nothing could be started.
    virtual bool shellOpen(const QString& target, ShowMode mode) = 0;
    // Starts `program` as an independent process in `workingFolder`.
    virtual bool startDetached(const QString& program, const QString& workingFolder) = 0;

    // The folder whose desktop entries start programs at log-on.
    virtual QString autostartFolder() const = 0;

    // The desktop's monitors, each with the part its panels leave to
    // windows, and the mouse pointer.
    virtual QList<Monitor> monitors() const = 0;
    virtual QPoint cursorPos() const = 0;

    // The clock, its calendar and the pull tab belong to the desktop rather
    // than being tasks: no taskbar button, no pager entry, on every
    // workspace. `onTop` windows stay above ordinary ones, also where no
    // window manager keeps them there. `window` is a top-level widget.
    virtual void adoptDesktopWindow(QObject& window, bool onTop) {
        (void)window;
        (void)onTop;
    }
    // Puts an adopted window that is not on top with its top left corner at
    // `topLeft`, where the desktop places windows only by its own means (a
    // tiling compositor): there the window keeps its whole size and may lie
    // beyond the monitor's edge. False where the window's own moves serve.
    virtual bool placeWindow(QObject& window, QPoint topLeft) {
        (void)window;
        (void)topLeft;
        return false;
    }
    // Null where the system offers no such alarm: then whoever must not miss
    // a minute has to look at the clock every second.
    virtual WallClockAlarm* wallClockAlarm() { return nullptr; }
    // Null where windows cannot be painted from another thread.
    virtual WindowTicker* windowTicker() { return nullptr; }
    // Null where the window system tells nothing of the pointer's moves.
    virtual PointerArea* pointerArea() const { return nullptr; }

    // Called when what monitors() tells has changed: a monitor added,
    // removed or resized, a panel that appeared, moved or changed its size.
    virtual void setDesktopChangedHandler(std::function<void()> handler) { (void)handler; }

    // Called from the event loop when the system asks the program to end (a
    // log-out, `kill`, Ctrl+C in a terminal): the program should end as its
    // own Exit does.
    virtual void setEndRequestHandler(std::function<void()> handler) { (void)handler; }
};
