#pragma once

#include <QObject>
#include <QRect>
#include <QTime>
#include <functional>

// Paints a window at the start of every second of the wall clock from a
// thread of its own, so that while only the clock's hands move the
// program's own thread can sleep. The paint runs on that thread: it may use
// only what it owns.
class WindowTicker {
  public:
    // Device pixels for `area` of the window, rows of 32-bit 0xffRRGGBB.
    using Put = std::function<void(const QRect& area, const uchar* pixels, qsizetype bytesPerLine)>;
    // Runs at once after start() and then at every second's start, also at
    // once when the wall clock is set; `now` is the local time then.
    using Paint = std::function<void(QTime now, const Put& put)>;

    virtual ~WindowTicker() = default;

    // Paints `window` (a top-level widget, shown) with `paint` from now on,
    // instead of what it painted before. False when this window cannot be
    // painted so; then nothing is painted.
    virtual bool start(QObject& window, Paint paint) = 0;
    // Returns once no paint runs or will run.
    virtual void stop() = 0;
};
