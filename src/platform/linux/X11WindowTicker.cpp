#include "platform/linux/X11WindowTicker.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cerrno>
#include <ctime>

X11WindowTicker::~X11WindowTicker() {
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
            paint_ = {};
        }
        const uint64_t one = 1;
        (void)!write(wakeFd_, &one, sizeof one);
        thread_.join();
    }
    for (int fd : {timerFd_, wakeFd_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

// The window's depth, and that the server keeps its pixels as 32-bit words
// in our byte order, which is how the painted rows come.
bool X11WindowTicker::prepare(xcb_window_t window) {
    if (window == window_ && gc_ != 0) {
        return true;
    }
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
    if (!geometry) {
        return false;
    }
    const uint8_t depth = geometry->depth;
    free(geometry);
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    bool fits = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST &&
                Q_BYTE_ORDER == Q_LITTLE_ENDIAN && (depth == 24 || depth == 32);
    bool found = false;
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it)) {
        if (it.data->depth == depth) {
            found = it.data->bits_per_pixel == 32 && it.data->scanline_pad == 32;
        }
    }
    if (!fits || !found) {
        return false;
    }
    const xcb_gcontext_t gc = xcb_generate_id(connection_);
    const uint32_t noExposures = 0;
    xcb_create_gc(connection_, gc, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    std::lock_guard lock(mutex_);
    if (gc_ != 0) {
        xcb_free_gc(connection_, gc_);
    }
    gc_ = gc;
    window_ = window;
    depth_ = depth;
    return true;
}

bool X11WindowTicker::start(QObject& window, Paint paint) {
    auto* widget = qobject_cast<QWidget*>(&window);
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!widget || !x11 || !widget->isWindow() || !widget->windowHandle() ||
        !widget->windowHandle()->handle()) {
        return false;
    }
    if (!connection_) {
        connection_ = x11->connection();
        timerFd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
        if (timerFd_ < 0 || wakeFd_ < 0) {
            return false;
        }
        xcb_get_maximum_request_length(connection_);  // asked once here, not on the thread
        thread_ = std::thread([this] { run(); });
    }
    if (timerFd_ < 0 || wakeFd_ < 0 || !prepare(xcb_window_t(widget->winId()))) {
        return false;
    }
    {
        std::lock_guard lock(mutex_);
        paint_ = std::move(paint);
    }
    const uint64_t one = 1;
    (void)!write(wakeFd_, &one, sizeof one);
    return true;
}

void X11WindowTicker::stop() {
    std::lock_guard lock(mutex_);
    paint_ = {};
}

// Every second from the next one on, in step with the clock's seconds
// until it is set.
void X11WindowTicker::armNextSecond() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    itimerspec next{};
    next.it_value.tv_sec = now.tv_sec + 1;
    next.it_interval.tv_sec = 1;
    timerfd_settime(timerFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &next, nullptr);
    armed_ = true;
}

void X11WindowTicker::run() {
    const Put put = [this](const QRect& area, const uchar* pixels, qsizetype bytesPerLine) {
        this->put(area, pixels, bytesPerLine);
    };
    for (;;) {
        pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {timerFd_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR) {
            return;
        }
        // A count of wakes or expiries, or ECANCELED for a wall clock that
        // was set: either way the face is painted for the time it is now,
        // and a set clock has the seconds counted from it anew.
        uint64_t count = 0;
        if (fds[0].revents != 0) {
            (void)!read(wakeFd_, &count, sizeof count);
        }
        if (fds[1].revents != 0 && read(timerFd_, &count, sizeof count) < 0 && errno == ECANCELED) {
            armed_ = false;
        }
        std::lock_guard lock(mutex_);
        if (quit_) {
            return;
        }
        if (!paint_) {
            const itimerspec off{};
            timerfd_settime(timerFd_, 0, &off, nullptr);
            armed_ = false;
            continue;
        }
        paint_(QTime::currentTime(), put);
        xcb_flush(connection_);
        if (!armed_) {
            armNextSecond();
        }
    }
}

// In bands of rows that each fit one request.
void X11WindowTicker::put(const QRect& area, const uchar* pixels, qsizetype bytesPerLine) {
    if (area.isEmpty() || bytesPerLine != qsizetype(area.width()) * 4) {
        return;
    }
    const size_t limit = size_t(xcb_get_maximum_request_length(connection_)) * 4 - 64;
    const int rowsAtOnce = std::max(1, int(limit / size_t(bytesPerLine)));
    for (int row = 0; row < area.height(); row += rowsAtOnce) {
        const int rows = std::min(rowsAtOnce, area.height() - row);
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_, uint16_t(area.width()),
                      uint16_t(rows), int16_t(area.x()), int16_t(area.y() + row), 0, depth_,
                      uint32_t(rows * bytesPerLine), pixels + row * bytesPerLine);
    }
}
