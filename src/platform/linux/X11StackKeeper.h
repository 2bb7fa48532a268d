#pragma once

#include <xcb/xcb.h>

#include <QObject>
#include <functional>
#include <vector>

class QSocketNotifier;

// Keeps windows above every other where no window manager does: on a bare X
// server the newest or last raised window is on top, so each time another
// window is mapped or restacked the kept ones are raised again. Under a
// window manager (one announced by _NET_SUPPORTING_WM_CHECK) the manager's
// layers do this, and the keeper only watches for the manager leaving.
// Listens on a connection of its own, so that Qt sees none of the desktop's
// traffic; also tells when the desktop may have changed under the clock: the
// root window's size, the window manager's work area, or a panel's reserved
// edges.
class X11StackKeeper : public QObject {
    Q_OBJECT
  public:
    X11StackKeeper();
    ~X11StackKeeper() override;

    void keep(xcb_window_t window);
    void setDesktopChangedHandler(std::function<void()> handler);

  private:
    void readEvents();
    void watchRoot();
    void raiseKept();
    void watchPanels();
    bool tellsDesktop(const xcb_property_notify_event_t& event) const;
    bool isKept(xcb_window_t window) const;
    bool coversKept(xcb_window_t window, bool overrideRedirect) const;
    xcb_atom_t atom(const char* name) const;

    xcb_connection_t* connection_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t wmCheck_ = XCB_ATOM_NONE;
    xcb_atom_t state_ = XCB_ATOM_NONE;
    xcb_atom_t above_ = XCB_ATOM_NONE;
    std::vector<xcb_atom_t> desktopAtoms_;  // root properties that change the work area
    std::vector<xcb_atom_t> panelAtoms_;    // a panel's reserved edges
    std::vector<xcb_window_t> panels_;
    bool managed_ = false;  // a window manager runs
    uint16_t rootWidth_ = 0, rootHeight_ = 0;
    std::vector<xcb_window_t> kept_;
    std::function<void()> desktopChanged_;
};
