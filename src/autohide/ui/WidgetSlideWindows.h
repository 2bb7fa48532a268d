#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QTimer>
#include <functional>

#include "autohide/SlideWindows.h"

class QWidget;
class PullTabWindow;

// The windows auto-hide moves, as the real top-level widgets: the clock, the
// calendar and the pull tab.
//
// Window managers keep the windows they manage on the screen: a move past
// its edge is clamped or refused. So the clock and the calendar never go
// there. Their positions here are where they would be; what would lie beyond
// the screen's right edge is cut off, the window narrowing from the right
// with its contents in place, and a window with nothing left on the screen is
// unmapped. Seen from the desktop that is the same slide, under any window
// manager and under none.
//
// A window manager may also put a window elsewhere than asked (below a panel
// it keeps free, say). Once the clock has stayed whole on the screen for a
// moment after a move, where it really is is compared with where it was
// asked to be, and `placedElsewhere` hears of a difference.
class WidgetSlideWindows : public QObject, public SlideWindows {
  public:
    static constexpr int kSettleMs = 300;

    // `screenRight`: the x just past the desktop's right edge.
    WidgetSlideWindows(QWidget& clock, PullTabWindow& tab, QWidget* calendar,
                       std::function<int()> screenRight);

    void setPlacedElsewhereHandler(std::function<void(QPoint actual)> handler) {
        placedElsewhere_ = std::move(handler);
    }
    // Where the desktop places windows only by its own means: `place` puts a
    // window there whole and says true, and the windows are neither cut nor
    // unmapped at the edge (beyond it the compositor shows nothing of them).
    void setDesktopPlacer(std::function<bool(QWidget&, QPoint)> place) {
        desktopPlaces_ = std::move(place);
    }

    int clockLeft() const override { return clockCut_.at.x(); }
    int clockTop() const override { return clockCut_.at.y(); }
    int clockWidth() const override { return clockCut_.size.width(); }
    int clockHeight() const override { return clockCut_.size.height(); }
    void moveClock(int left, int top) override;
    void showClock() override;

    int calendarHeight() const override;
    void moveCalendar(int left, int top) override;

    int tabWidth() const override;
    void moveTab(int left, int top) override;
    void showTab() override;
    void hideTab() override;
    void setTabPicture(TabPicture kind, const QString& path) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Cut {
        QSize size;             // the whole window's
        QPoint at;              // where the whole window would be
        bool unmapped = false;  // hidden here, for lying wholly beyond the edge
    };
    void fit(QWidget& window, Cut& cut);
    void comparePlacement();

    QWidget& clock_;
    PullTabWindow& tab_;
    QPointer<QWidget> calendar_;
    std::function<int()> screenRight_;
    Cut clockCut_;
    Cut calendarCut_;
    QTimer settle_;  // a moment without moves: the window manager has had its say
    std::function<void(QPoint)> placedElsewhere_;
    std::function<bool(QWidget&, QPoint)> desktopPlaces_;
    bool placedByDesktop_ = false;  // the placer took the last move
};
