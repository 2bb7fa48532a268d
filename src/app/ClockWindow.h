#pragma once

#include <QFrame>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "config/ClockState.h"
#include "config/QtTimerSwitch.h"

// The clock window `chas`: a borderless, always-on-top tool window (no taskbar
// button) of 191 by 191 pixels whose panel `tcif` frames the face. It owns
// the timers that drive the program; what they do is wired in by the
// composition root. Closing it ends the program.
class ClockWindow : public QWidget {
    Q_OBJECT
  public:
    ClockWindow();

    QFrame& tcif() { return tcif_; }

    QTimer t1, zad, otk, str, nap, napr, bezkn;
    ClockTimers timers();

    // Right click anywhere on the window.
    std::function<void(const QPoint& globalPos)> onContextMenu;

  signals:
    void closing();

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QFrame tcif_;
    QtTimerSwitch t1Switch_{t1}, zadSwitch_{zad}, otkSwitch_{otk}, strSwitch_{str}, napSwitch_{nap},
        naprSwitch_{napr}, bezknSwitch_{bezkn};
};
