#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "DialogFixture.h"
#include "scheduler/ui/LaunchEditor.h"
#include "scheduler/ui/UpDownArrows.h"

namespace {
class LaunchEditor : public DialogFixture {
  protected:
    QByteArray stored() const { return folder.read(QStringLiteral("system/run.dat")); }
    TRun run{context};
};
}  // namespace

TEST_F(LaunchEditor, ActivationResetsTheTimeButKeepsThePathTypedLast) {
    activate(run);
    EXPECT_EQ(run.chf()->text(), QStringLiteral("14"));
    EXPECT_EQ(run.mnf()->text(), QStringLiteral("07"));
    EXPECT_EQ(run.dat()->date(), QDate(2026, 3, 10));
    EXPECT_EQ(run.focusWidget(), run.failw());
    EXPECT_EQ(run.windowTitle(), QStringLiteral("Launch"));
    EXPECT_EQ(run.obz()->text(), QStringLiteral("Browse"));

    run.failw()->setText(QStringLiteral("/usr/bin/xterm"));
    run.chf()->setText(QStringLiteral("01"));
    run.button2()->click();
    platform.clock = platform.clock.addSecs(3600);
    activate(run);
    EXPECT_EQ(run.failw()->text(), QStringLiteral("/usr/bin/xterm"));
    EXPECT_EQ(run.chf()->text(), QStringLiteral("15"));
}

TEST_F(LaunchEditor, ArrowsStopAtTheRangeEnds) {
    activate(run);
    run.chf()->setText(QStringLiteral("00"));
    run.upDown1()->downButton()->click();
    EXPECT_EQ(run.chf()->text(), QStringLiteral("00"));
    run.mnf()->setText(QStringLiteral("59"));
    run.upDown2()->upButton()->click();
    EXPECT_EQ(run.mnf()->text(), QStringLiteral("59"));
    run.upDown2()->downButton()->click();
    EXPECT_EQ(run.mnf()->text(), QStringLiteral("58"));
}

TEST_F(LaunchEditor, BrowseOffersProgramsAndAllFilesAndTakesTheFullPath) {
    activate(run);
    run.failw()->setText(QStringLiteral("/old/path"));
    platform.answers = {QString()};  // cancelled
    run.obz()->click();
    EXPECT_EQ(platform.chooserFilters,
              (QStringList{QStringLiteral("Programs (*.exe)"), QStringLiteral("Все файлы (*)")}));
    EXPECT_EQ(run.failw()->text(), QStringLiteral("/old/path"));

    const QString chosen = folder.path(QStringLiteral("программа"));
    platform.answers = {chosen};
    run.obz()->click();
    EXPECT_EQ(run.failw()->text(), chosen);

    // A path longer than the record holds is not cut into another one.
    platform.answers = {QLatin1Char('/') + QString(260, QLatin1Char('p'))};
    run.obz()->click();
    EXPECT_EQ(run.failw()->text(), chosen);
    EXPECT_EQ(platform.messages.size(), 1);
}

TEST_F(LaunchEditor, OkAppendsTheExactRecordAndAsksForAReload) {
    activate(run);
    run.dat()->setDate(QDate(2026, 3, 10));
    run.chf()->setText(QStringLiteral("8"));
    run.mnf()->setText(QStringLiteral("0"));
    run.failw()->setText(QStringLiteral("/usr/bin/xterm"));
    run.button1()->click();
    EXPECT_EQ(stored(), fixture(QStringLiteral("built_launch.bin")));
    EXPECT_FALSE(run.isVisible());
    EXPECT_TRUE(state.reloadLaunches);
}

TEST_F(LaunchEditor, PathsAreHeldToTheRecordAndEmptyOnesAreStored) {
    activate(run);
    run.failw()->setText(QLatin1Char('/') + QString(259, QLatin1Char('p')));
    EXPECT_EQ(run.failw()->text().size(), 250);
    run.button1()->click();
    ASSERT_EQ(stored().size(), 272);
    EXPECT_EQ(stored().at(14), char(250));

    activate(run);
    run.failw()->clear();
    run.button1()->click();
    ASSERT_EQ(stored().size(), 544);
    EXPECT_EQ(stored().at(272 + 14), char(0));
}

TEST_F(LaunchEditor, RefusalsKeepTheDialogOpenAndCancelWritesNothing) {
    activate(run);
    run.chf()->setText(QStringLiteral("25"));
    run.button1()->click();
    EXPECT_TRUE(run.isVisible());
    run.chf()->setText(QStringLiteral("08"));
    run.failw()->setText(QStringLiteral("/home/користувач/日本"));
    run.button1()->click();
    EXPECT_TRUE(run.isVisible());
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[1].contains(QStringLiteral("«日»")));

    run.button2()->click();
    EXPECT_FALSE(folder.exists(QStringLiteral("system/run.dat")));
    EXPECT_TRUE(state.reloadLaunches);
}
