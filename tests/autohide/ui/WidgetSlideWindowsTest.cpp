#include <gtest/gtest.h>

#include <QFile>
#include <QWidget>
#include <algorithm>
#include <memory>

#include "FakePlatform.h"
#include "FakeTimer.h"
#include "TempFolder.h"
#include "autohide/AutoHide.h"
#include "autohide/ui/PullTabWindow.h"
#include "autohide/ui/WidgetSlideWindows.h"

// The auto-hide over real windows, as the clock window wires it.
class WidgetSlide : public ::testing::Test {
  protected:
    WidgetSlide() {
        for (const char* name : {"Blueknz.bmp", "Bluekno.bmp"}) {
            QFile::copy(testData(QStringLiteral("autohide/") + QString::fromLatin1(name)),
                        folder.path(QStringLiteral("skins/") + QString::fromLatin1(name)));
        }
        state.programFolder = ProgramFolder(folder.root());
        state.settings = SettingsRecord::defaults();
        state.skinName = QStringLiteral("Blue");
        state.lastActivity = platform.clock;
        clock.setWindowFlags(Qt::FramelessWindowHint);
        clock.resize(191, 191);
        clock.move(1024 - 191, 0);
        calendar->setWindowFlags(Qt::FramelessWindowHint);
        calendar->resize(191, 178);
        calendar->move(1024 - 191, 191);
        windows =
            std::make_unique<WidgetSlideWindows>(clock, tab, calendar.get(), [] { return 1024; });
        autoHide = std::make_unique<AutoHide>(state, timers.view(), platform, *windows);
        QObject::connect(&tab, &PullTabWindow::clicked, [this] { autoHide->tabClick(); });
        autoHide->setUpTab();
    }

    TempFolder folder;
    FakePlatform platform;
    FakeClockTimers timers;
    ClockState state;
    QWidget clock;
    std::unique_ptr<QWidget> calendar = std::make_unique<QWidget>();
    PullTabWindow tab{state};
    std::unique_ptr<WidgetSlideWindows> windows;
    std::unique_ptr<AutoHide> autoHide;
};

// The clock and calendar never leave the screen: what would lie beyond its
// edge is cut off, and nothing left means unmapped. The tab stays whole.
TEST_F(WidgetSlide, TheSlideNarrowsTheWindowsAtTheEdgeAndUnmapsThem) {
    clock.show();
    calendar->show();
    tab.clicked();
    ASSERT_TRUE(timers.slideAway.enabled());
    for (int step = 1; timers.slideAway.enabled(); ++step) {
        autoHide->slideAwayStep();
        const int left = 833 + 15 * step;
        const int shown = std::min(191, 1024 - left);
        EXPECT_EQ(clock.isVisible(), shown > 0) << step;
        EXPECT_EQ(calendar->isVisible(), shown > 0) << step;
        if (shown > 0) {
            EXPECT_EQ(clock.geometry(), QRect(left, 0, shown, 191)) << step;
            EXPECT_EQ(calendar->geometry(), QRect(left, 191, shown, 178)) << step;
        }
        EXPECT_LE(tab.geometry().right(), 1023) << step;
        EXPECT_EQ(tab.geometry().right() + 1, std::min(left, 1024)) << step;
    }
    EXPECT_EQ(windows->clockLeft(), 1028);
    EXPECT_EQ(tab.size(), QSize(14, 40));
    EXPECT_EQ(tab.pos(), QPoint(1024 - 14, 20));

    tab.clicked();
    EXPECT_TRUE(timers.slideBack.enabled());
    EXPECT_FALSE(clock.isVisible());  // mapped by the first step that shows a part
    autoHide->slideBackStep();
    EXPECT_TRUE(clock.isVisible());
    EXPECT_EQ(clock.geometry(), QRect(1013, 0, 11, 191));
    while (timers.slideBack.enabled()) {
        autoHide->slideBackStep();
    }
    EXPECT_EQ(clock.geometry(), QRect(833, 0, 191, 191));
    EXPECT_EQ(calendar->geometry(), QRect(833, 191, 191, 178));
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(tab.pos(), QPoint(833 - 10, 20));
}

TEST_F(WidgetSlide, ACalendarThatIsGoneCountsAsNone) {
    EXPECT_EQ(windows->calendarHeight(), 178);
    calendar.reset();
    EXPECT_EQ(windows->calendarHeight(), 0);
    windows->moveCalendar(5, 5);
    autoHide->screensChanged();
    EXPECT_EQ(clock.pos(), QPoint(833, 0));
}
