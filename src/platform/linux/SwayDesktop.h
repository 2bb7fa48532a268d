#pragma once

#include <xcb/xcb.h>

#include <QHash>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>
#include <memory>

#include "platform/linux/SwayIpc.h"

// The clock's windows under sway. Its X11 windows come through XWayland,
// where sway floats a window of a fixed size in the middle of its output
// whatever the window asks, and centres it again at each request to move;
// nor does the X server know of sway's bar. So the clock and the calendar
// float, show on every workspace and move where they belong through sway's
// own commands, and the work area of an output is its visible workspace.
class SwayDesktop : public QObject {
    Q_OBJECT
  public:
    // Connected to the sway of $SWAYSOCK; null outside sway.
    static std::unique_ptr<SwayDesktop> connectToSession();

    // The visible workspace of each output, in the X server's pixels.
    QList<QRect> workAreas();
    // A window sway is to float wherever it is put.
    void adopt(xcb_window_t window);
    bool adopted(xcb_window_t window) const { return places_.contains(window); }
    void place(xcb_window_t window, QPoint topLeft);
    // Called when a workspace, an output or sway's bar may have changed.
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

  private:
    explicit SwayDesktop(std::unique_ptr<SwayIpc> ipc);
    void eventArrived(quint32 type, const QJsonObject& body);
    void command(const QString& text);

    std::unique_ptr<SwayIpc> ipc_;
    QHash<xcb_window_t, QPoint> places_;
    std::function<void()> changed_;
};
