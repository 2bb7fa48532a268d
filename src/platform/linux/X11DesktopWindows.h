#pragma once

#include <QObject>
#include <QSet>
#include <functional>
#include <memory>

class QWidget;
class X11StackKeeper;

// Makes the clock's windows part of the desktop under any window manager
// that follows the freedesktop hints: before each mapping a window is marked
// to have no taskbar button and no pager entry and to show on every
// workspace. The manager drops these marks when a window is unmapped, so they
// are written again each time, just before Qt maps it.
class X11DesktopWindows : public QObject {
    Q_OBJECT
  public:
    X11DesktopWindows();
    ~X11DesktopWindows() override;

    // `onTop` windows also stay above ordinary ones where no window manager
    // keeps them there.
    void adopt(QWidget& window, bool onTop);

    // The desktop may have changed: the root window's size (a monitor
    // added, removed or resized), the work area or a panel. Watched from the
    // first adoption on.
    void setDesktopChangedHandler(std::function<void()> handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void markForDesktop(QWidget& window);

    QSet<QObject*> onTop_;
    std::unique_ptr<X11StackKeeper> keeper_;
    std::function<void()> desktopChanged_;
};
