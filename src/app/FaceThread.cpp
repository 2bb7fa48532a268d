#include "app/FaceThread.h"

#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QWindow>
#include <cmath>

#include "clockface/ui/ClockFace.h"
#include "clockface/ui/FaceTiles.h"
#include "clockface/ui/FaceView.h"
#include "platform/Platform.h"

FaceThread::FaceThread(Platform& platform, FaceView& view, const ClockFace& face,
                       std::function<void()> sync, std::function<void()> resume)
    : platform_(platform),
      view_(view),
      face_(face),
      sync_(std::move(sync)),
      resume_(std::move(resume)) {}

FaceThread::~FaceThread() {
    if (running_) {
        platform_.windowTicker()->stop();
    }
}

bool FaceThread::start() {
    WindowTicker* ticker = platform_.windowTicker();
    QWidget* window = view_.window();
    // The ticker paints whole device pixels: a fractional scale stays with Qt.
    const qreal scale = view_.devicePixelRatioF();
    if (!ticker || !view_.isVisible() || scale != std::floor(scale)) {
        stop();
        return false;
    }
    watch();
    FaceTiles tiles(view_.composer(), face_.handGeometry(), face_.handColours(),
                    view_.mapTo(window, QPoint(0, 0)));
    auto painted = std::make_shared<std::atomic<bool>>(false);
    auto paint = [tiles = std::move(tiles), painted](QTime now,
                                                     const WindowTicker::Put& put) mutable {
        tiles(now, [&](const QRect& area, const uchar* pixels, qsizetype bytesPerLine) {
            painted->store(true);
            put(area, pixels, bytesPerLine);
        });
    };
    if (!ticker->start(*window, std::move(paint))) {
        stop();
        return false;
    }
    running_ = true;
    painted_ = std::move(painted);
    return true;
}

void FaceThread::stop() {
    if (!running_) {
        return;
    }
    platform_.windowTicker()->stop();
    running_ = false;
    // What is on the screen now is the ticker's; Qt's own copy of the face
    // is older. Not otherwise: a paint asked for here would hand the face
    // back once more after it has been taken again, and again.
    if (painted_ && painted_->load()) {
        view_.update();
    }
    painted_.reset();
}

// Qt paints the window from its own copy, which shows the hands of whenever
// it last painted them.
bool FaceThread::eventFilter(QObject* watched, QEvent* event) {
    const bool paint = (watched == view_.window() && event->type() == QEvent::UpdateRequest) ||
                       (watched == watchedWindow_ && event->type() == QEvent::Expose);
    const bool ending = watched == watchedWindow_ && event->type() == QEvent::PlatformSurface &&
                        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed;
    if (running_ && (paint || ending)) {
        handBack();
    }
    return false;
}

void FaceThread::handBack() {
    stop();
    sync_();
    if (!resumeAsked_) {
        resumeAsked_ = true;
        // Queued: after Qt has painted and flushed, so that the ticker's
        // pixels come after Qt's.
        QMetaObject::invokeMethod(
            this,
            [this] {
                resumeAsked_ = false;
                resume_();
            },
            Qt::QueuedConnection);
    }
}

void FaceThread::watch() {
    QWidget* window = view_.window();
    if (!windowWatched_) {
        window->installEventFilter(this);
        windowWatched_ = true;
    }
    QWindow* handle = window->windowHandle();
    if (handle && handle != watchedWindow_) {
        if (watchedWindow_) {
            watchedWindow_->removeEventFilter(this);
        }
        handle->installEventFilter(this);
        watchedWindow_ = handle;
    }
}
