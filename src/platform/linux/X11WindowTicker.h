#pragma once

#include <xcb/xcb.h>

#include <mutex>
#include <thread>

#include "platform/WindowTicker.h"

// The window ticker on X11: a thread that sleeps on an absolute timer of the
// real-time clock (which the kernel also wakes when that clock is set) and
// puts the painted pixels into the window over Qt's own connection to the X
// server, which may be used from any thread. Windows whose pixels are not
// 32 bits in the server's byte order are refused.
class X11WindowTicker : public WindowTicker {
  public:
    X11WindowTicker() = default;
    ~X11WindowTicker() override;
    X11WindowTicker(const X11WindowTicker&) = delete;
    X11WindowTicker& operator=(const X11WindowTicker&) = delete;

    bool start(QObject& window, Paint paint) override;
    void stop() override;

  private:
    bool prepare(xcb_window_t window);
    void run();
    void armNextSecond();
    void put(const QRect& area, const uchar* pixels, qsizetype bytesPerLine);

    xcb_connection_t* connection_ = nullptr;
    int timerFd_ = -1;
    int wakeFd_ = -1;
    std::thread thread_;
    bool armed_ = false;  // the thread's own

    // Shared with the thread.
    std::mutex mutex_;
    Paint paint_;
    xcb_window_t window_ = 0;
    xcb_gcontext_t gc_ = 0;
    uint8_t depth_ = 0;
    bool quit_ = false;
};
