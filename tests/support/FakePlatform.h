#pragma once

#include <QStringList>
#include <deque>
#include <functional>

#include "platform/Platform.h"

// A scripted stand-in for the system: a settable clock, recorded notices,
// queued answers for questions and choosers, a recording sound player.
class FakeSoundPlayer : public SoundPlayer {
  public:
    void setFileName(const QString& path) override;
    bool open() override;
    bool play() override;
    bool atEnd() const override { return ended; }
    void stop() override;
    void close() override;
    bool setEndHandler(std::function<void()> handler) override;
    // The sound plays to its end: as the player tells it, when it can.
    void finish();

    QStringList log;        // "file <path>", "open", "play", "stop", "close"
    bool failOpen = false;  // as with no audio device or a damaged file
    bool ended = false;
    bool tellsEnd = true;  // false: a player whose end has to be polled
    std::function<void()> endHandler;
};

class FakeInstanceMarker : public InstanceMarker {
  public:
    bool anotherInstanceRuns() override;
    void takeOverWhenFree() override { tookOver = true; }
    void setRaiseHandler(std::function<void()> handler) override { raise = std::move(handler); }
    void setReloadHandler(std::function<void(const QString&)> handler) override {
        reload = std::move(handler);
    }

    bool othersRunning = false;
    bool asked = false;
    bool tookOver = false;
    std::function<void()> raise;
    std::function<void(const QString&)> reload;
};

// Rings when the test says: at the moment it was set, or because the wall
// clock was set.
class FakeWallClockAlarm : public WallClockAlarm {
  public:
    void set(const QDateTime& when) override { setFor = when; }
    void cancel() override { setFor = QDateTime(); }
    void setHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
    // The kernel's part: the alarm fires, or reports the clock set.
    void ring() {
        if (handler_) {
            handler_();
        }
    }

    QDateTime setFor;  // invalid while not set

  private:
    std::function<void()> handler_;
};

// Paints when the test says, on the test's thread; takes any window unless
// told to refuse.
class FakeWindowTicker : public WindowTicker {
  public:
    bool start(QObject& window, Paint paint) override {
        if (refuses) {
            return false;
        }
        this->window = &window;
        paint_ = std::move(paint);
        ++starts;
        return true;
    }
    void stop() override { paint_ = {}; }
    bool running() const { return bool(paint_); }
    // The second's tick of the ticker's thread: how many rectangles it put.
    int tick(QTime now) {
        int puts = 0;
        if (paint_) {
            paint_(now, [&puts](const QRect&, const uchar*, qsizetype) { ++puts; });
        }
        return puts;
    }

    bool refuses = false;
    int starts = 0;
    QObject* window = nullptr;

  private:
    Paint paint_;
};

class FakePointerArea : public PointerArea {
  public:
    bool watch(const QRect& rect, std::function<void()> handler) override {
        area = rect;
        entered = std::move(handler);
        return true;
    }
    void stop() override {
        area = QRect();
        entered = {};
    }
    // The pointer enters the watched area.
    void enter() {
        const std::function<void()> handler = entered;
        stop();
        if (handler) {
            handler();
        }
    }

    QRect area;  // null while nothing is watched
    std::function<void()> entered;
};

// A notification service whose user answers as scripted: each notice shown
// gets the next outcome of `outcomes`, from the event loop, or none at all
// when they have run out (the notice stays open).
class FakeDesktopNotifier : public DesktopNotifier {
  public:
    void show(const DesktopNotice& notice, std::function<void(Outcome)> done) override;
    void withdraw() override;

    QList<DesktopNotice> shown;
    std::deque<Outcome> outcomes;
    // Runs, from the event loop, while a notice with no outcome left is open.
    std::function<void()> whileOpen;
    int withdrawn = 0;

  private:
    std::function<void(Outcome)> done_;
};

class FakePlatform : public Platform {
  public:
    QDateTime now() const override { return clock; }
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    // Recorded among `messages`; answered from `reminderAnswers`, confirmed
    // when they have run out.
    ReminderAnswer showReminder(const QString& text, const PutOffChoice& later) override;
    DesktopNotifier* desktopNotifier() override { return hasNotifier ? &notifier : nullptr; }
    std::optional<QString> askText(const QString& caption, const QString& prompt,
                                   const QString& cancelCaption) override;
    std::optional<QString> chooseFile(const QStringList& filters) override;
    SoundPlayer& player() override { return sound; }
    InstanceMarker& instanceMarker() override { return marker; }
    bool shellOpen(const QString& target, ShowMode mode) override;
    bool startDetached(const QString& program, const QString& workingFolder) override;
    QString autostartFolder() const override { return autostart; }
    QList<Monitor> monitors() const override;
    void setDesktopChangedHandler(std::function<void()> handler) override {
        desktopChanged = std::move(handler);
    }
    QPoint cursorPos() const override { return cursor; }
    void setEndRequestHandler(std::function<void()> handler) override {
        endRequest = std::move(handler);
    }
    WallClockAlarm* wallClockAlarm() override { return hasAlarm ? &alarm : nullptr; }
    WindowTicker* windowTicker() override { return hasTicker ? &ticker : nullptr; }
    PointerArea* pointerArea() const override { return tellsPointerEntry ? &edge : nullptr; }
    void adoptDesktopWindow(QObject& window, bool onTop) override {
        adopted.append({&window, onTop});
    }

    QDateTime clock = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0));
    QStringList messages;
    std::deque<ReminderAnswer> reminderAnswers;
    QList<PutOffChoice> putOffChoices;  // one for each reminder's notice
    FakeDesktopNotifier notifier;
    bool hasNotifier = false;
    QStringList errors;
    QStringList opened;   // "<mode> <target>"
    QStringList started;  // "<program> in <folder>"
    QStringList questions;
    QStringList chooserFilters;
    // Answers for askText and chooseFile, in order; a null QString cancels.
    std::deque<QString> answers;
    // Runs while a message is "on screen", to act as other timers would.
    std::function<void(const QString&)> onMessage;
    // The same while an error message is up.
    std::function<void(const QString&)> onError;
    bool shellOpenResult = true;
    std::optional<QString> nextAnswer();
    QString autostart;
    // One monitor without panels, unless told otherwise: `workArea` is what
    // its panels leave, `otherMonitors` come after it.
    QRect desktop{0, 0, 1024, 768};
    std::optional<QRect> workArea;
    QList<Monitor> otherMonitors;
    std::function<void()> desktopChanged;
    QPoint cursor{0, 600};
    FakeSoundPlayer sound;
    FakeInstanceMarker marker;
    std::function<void()> endRequest;  // what a log-out or `kill` would call
    // The desktop's windows, and which stay on top.
    QList<std::pair<QObject*, bool>> adopted;
    FakeWallClockAlarm alarm;
    bool hasAlarm = true;
    FakeWindowTicker ticker;
    bool hasTicker = false;  // as off X11
    mutable FakePointerArea edge;
    bool tellsPointerEntry = false;  // as on a system that tells the pointer's entry
};
