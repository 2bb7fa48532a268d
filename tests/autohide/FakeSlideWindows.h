#pragma once

#include <QFileInfo>
#include <QMap>
#include <QString>

#include "autohide/SlideWindows.h"

// The clock, calendar and tab as numbers. The tab's width follows its
// picture: each file name may be given a width, others get `plainTabWidth`.
class FakeSlideWindows : public SlideWindows {
  public:
    int clockLeft() const override { return clockX; }
    int clockTop() const override { return clockY; }
    int clockWidth() const override { return clockW; }
    int clockHeight() const override { return clockH; }
    void moveClock(int left, int top) override {
        clockX = left;
        clockY = top;
    }
    void showClock() override { ++clockShown; }

    int calendarHeight() const override { return calendarH; }
    void moveCalendar(int left, int top) override {
        calendarX = left;
        calendarY = top;
    }

    int tabWidth() const override { return tabW; }
    void moveTab(int left, int top) override {
        tabX = left;
        tabY = top;
    }
    void showTab() override { tabVisible = true; }
    void hideTab() override { tabVisible = false; }
    void setTabPicture(TabPicture kind, const QString& path) override {
        tabKind = kind;
        tabPath = path;
        tabW = pictureWidths.value(QFileInfo(path).fileName(), plainTabWidth);
        ++pictureChanges;
    }

    int clockX = 833, clockY = 0, clockW = 191, clockH = 191;
    int clockShown = 0;
    int calendarX = 833, calendarY = 191, calendarH = 178;
    int tabX = 0, tabY = 0, tabW = 12;
    bool tabVisible = true;
    TabPicture tabKind = TabPicture::OnScreen;
    QString tabPath;
    int pictureChanges = 0;
    QMap<QString, int> pictureWidths;
    int plainTabWidth = 12;
};
