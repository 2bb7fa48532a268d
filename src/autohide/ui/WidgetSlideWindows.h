#pragma once

#include <QPointer>

#include "autohide/SlideWindows.h"

class QWidget;
class PullTabWindow;

// The windows auto-hide moves, as the real top-level widgets: the clock, the
// calendar once there is one, and the pull tab.
class WidgetSlideWindows : public SlideWindows {
  public:
    WidgetSlideWindows(QWidget& clock, PullTabWindow& tab, QWidget* calendar = nullptr);

    void setCalendar(QWidget* calendar) { calendar_ = calendar; }

    int clockLeft() const override;
    int clockTop() const override;
    int clockWidth() const override;
    int clockHeight() const override;
    void moveClock(int left, int top) override;
    void showClock() override;

    int calendarHeight() const override;
    void moveCalendar(int left, int top) override;

    int tabWidth() const override;
    void moveTab(int left, int top) override;
    void showTab() override;
    void hideTab() override;
    void setTabPicture(TabPicture kind, const QString& path) override;
    void keepTabOnTop() override;

  private:
    QWidget& clock_;
    PullTabWindow& tab_;
    QPointer<QWidget> calendar_;
};
