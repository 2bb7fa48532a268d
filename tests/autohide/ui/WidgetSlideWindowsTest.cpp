#include <gtest/gtest.h>

#include <QFile>
#include <QWidget>
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
        clock.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
        clock.resize(191, 191);
        clock.move(1024 - 191, 0);
        calendar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
        calendar->resize(191, 178);
        calendar->move(1024 - 191, 191);
        QObject::connect(&tab, &PullTabWindow::clicked, [this] { autoHide.tabClick(); });
        autoHide.setUpTab();
    }

    TempFolder folder;
    FakePlatform platform;
    FakeClockTimers timers;
    ClockState state;
    QWidget clock;
    std::unique_ptr<QWidget> calendar = std::make_unique<QWidget>();
    PullTabWindow tab{state};
    WidgetSlideWindows windows{clock, tab, calendar.get()};
    AutoHide autoHide{state, timers.view(), platform, windows};
};

TEST_F(WidgetSlide, TheWindowsMoveTogether) {
    EXPECT_EQ(tab.pos(), QPoint(833 - 10, 20));
    EXPECT_TRUE(tab.hasSkinPicture());
    EXPECT_TRUE(tab.isVisible());

    tab.clicked();
    ASSERT_TRUE(timers.slideAway.enabled());
    while (timers.slideAway.enabled()) {
        autoHide.slideAwayStep();
    }
    EXPECT_EQ(clock.pos(), QPoint(1028, 0));
    EXPECT_EQ(calendar->pos(), QPoint(1028, 191));
    EXPECT_EQ(tab.size(), QSize(14, 40));
    EXPECT_EQ(tab.pos(), QPoint(1028 - 14, 20));
    EXPECT_TRUE(timers.tabWatch.enabled());

    tab.clicked();
    EXPECT_TRUE(timers.slideBack.enabled());
    EXPECT_FALSE(timers.tabWatch.enabled());
    EXPECT_TRUE(clock.isVisible());
    while (timers.slideBack.enabled()) {
        autoHide.slideBackStep();
    }
    EXPECT_EQ(clock.pos(), QPoint(833, 0));
    EXPECT_EQ(calendar->pos(), QPoint(833, 191));
    EXPECT_EQ(tab.pos(), QPoint(833 - 10, 20));
}

TEST_F(WidgetSlide, ACalendarThatIsGoneCountsAsNone) {
    EXPECT_EQ(windows.calendarHeight(), 178);
    calendar.reset();
    EXPECT_EQ(windows.calendarHeight(), 0);
    windows.moveCalendar(5, 5);
    autoHide.screensChanged();
    EXPECT_EQ(clock.pos(), QPoint(833, 0));
}
