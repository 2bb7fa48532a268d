#pragma once

#include <xcb/xcb.h>

#include <QObject>
#include <QRect>
#include <functional>

#include "platform/Platform.h"

class QSocketNotifier;

// The pointer's entry into an area of the screen, from the X server's
// crossing events: an input-only window lies over the area while it is
// watched. Such a window draws nothing; it is above the other windows (and
// raised again where another one comes over it, menus and the like that
// bypass the window manager excepted), so the pointer's entry reaches it
// wherever the pointer comes from, and it is gone as soon as the pointer
// entered. Its traffic goes over a connection of its own, which Qt never
// sees.
class X11PointerArea : public QObject, public PointerArea {
  public:
    X11PointerArea();
    ~X11PointerArea() override;

    bool watch(const QRect& area, std::function<void()> entered) override;
    void stop() override;

  private:
    void readEvents();
    void watchRoot(bool on);
    void raise();
    static QRect devicePixels(const QRect& area);

    xcb_connection_t* connection_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_window_t window_ = 0;
    bool mapped_ = false;
    std::function<void()> entered_;
};
