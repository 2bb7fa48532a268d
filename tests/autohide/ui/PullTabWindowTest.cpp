#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>

#include "TempFolder.h"
#include "autohide/ui/PullTabWindow.h"
#include "state/ClockState.h"

namespace {

void click(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF local(at);
    const QPointF global(widget.mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &release);
}

class PullTab : public ::testing::Test {
  protected:
    PullTab() { state.settings = SettingsRecord::defaults(); }
    ClockState state;
};

}  // namespace

// An ordinary window for the window manager, not a tool window that it would
// tie to the program's other windows.
TEST_F(PullTab, IsAFramelessWindowAboveTheOthers) {
    PullTabWindow tab(state);
    const Qt::WindowFlags flags = tab.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(tab.testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST_F(PullTab, TakesTheSizeAndShapeOfItsPicture) {
    PullTabWindow tab(state);
    tab.setPicture(TabPicture::OnScreen, testData(QStringLiteral("autohide/Blueknz.bmp")));
    ASSERT_TRUE(tab.hasSkinPicture());
    EXPECT_EQ(tab.size(), QSize(10, 40));
    // The magenta corners are cut off.
    EXPECT_FALSE(tab.mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(tab.mask().contains(QPoint(0, 39)));
    EXPECT_TRUE(tab.mask().contains(QPoint(1, 1)));
    EXPECT_TRUE(tab.mask().contains(QPoint(9, 39)));

    const QImage drawn = tab.grab().toImage();
    EXPECT_EQ(drawn.pixel(5, 10), qRgb(160, 160, 160));
    EXPECT_EQ(drawn.pixel(5, 20), qRgb(0, 0, 0));

    tab.setPicture(TabPicture::Away, testData(QStringLiteral("autohide/Bluekno.bmp")));
    EXPECT_EQ(tab.size(), QSize(14, 40));
}

TEST_F(PullTab, UnreadablePicturesGiveAPlainTab) {
    PullTabWindow tab(state);
    for (const char* name :
         {"missing.bmp", "empty.bmp", "garbage.bmp", "huge.bmp", "truncated.bmp"}) {
        tab.setPicture(TabPicture::Away,
                       testData(QStringLiteral("autohide/") + QString::fromLatin1(name)));
        EXPECT_FALSE(tab.size().isEmpty()) << name;
        if (!tab.hasSkinPicture()) {
            EXPECT_EQ(tab.size(), QSize(12, 40)) << name;
            EXPECT_TRUE(tab.mask().isEmpty()) << name;
        }
        tab.grab();
    }
    // Files shorter than the rows they declare are never decoded: a few
    // hundred bytes would make a tab of a hundred megabytes.
    for (const char* name : {"declares_huge.bmp", "truncated.bmp", "huge.bmp"}) {
        tab.setPicture(TabPicture::Away,
                       testData(QStringLiteral("autohide/") + QString::fromLatin1(name)));
        EXPECT_FALSE(tab.hasSkinPicture()) << name;
    }
    // A pipe under the name would keep the image reader waiting.
    TempFolder folder;
    const QString pipe = folder.path(QStringLiteral("skins/Testkno.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    tab.setPicture(TabPicture::Away, pipe);
    EXPECT_FALSE(tab.hasSkinPicture());
    tab.setPicture(TabPicture::Away, QString());
    EXPECT_FALSE(tab.hasSkinPicture());
    // The two plain tabs point different ways.
    const QImage away = tab.picture();
    tab.setPicture(TabPicture::OnScreen, QString());
    EXPECT_NE(tab.picture(), away);
    // A skin picture after a plain one brings its shape back.
    tab.setPicture(TabPicture::OnScreen, testData(QStringLiteral("autohide/Blueknz.bmp")));
    EXPECT_FALSE(tab.mask().isEmpty());
}

TEST_F(PullTab, WithoutTheTabItHidesWhenFirstPainted) {
    state.settings.setNoPullTab(true);
    PullTabWindow tab(state);
    tab.show();
    tab.grab();
    QCoreApplication::processEvents();
    EXPECT_FALSE(tab.isVisible());

    state.settings.setNoPullTab(false);
    tab.show();
    tab.grab();
    QCoreApplication::processEvents();
    EXPECT_TRUE(tab.isVisible());
}

TEST_F(PullTab, ALeftClickOnTheTabIsReported) {
    PullTabWindow tab(state);
    int clicks = 0;
    QObject::connect(&tab, &PullTabWindow::clicked, [&] { ++clicks; });
    click(tab, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    click(tab, QPoint(5, 5), Qt::RightButton);
    EXPECT_EQ(clicks, 1);
    // Released away from the tab, the press is no click.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&tab, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(50, 5), QPointF(50, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&tab, &release);
    EXPECT_EQ(clicks, 1);
}
