#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "DialogFixture.h"
#include "scheduler/ui/LaunchEditor.h"
#include "scheduler/ui/UpDownArrows.h"

namespace {
class LaunchEditorTest : public DialogFixture {
  protected:
    QByteArray stored() const { return folder.read(QStringLiteral("system/run.dat")); }
    LaunchEditor editor{context};
};
}  // namespace

TEST_F(LaunchEditorTest, ActivationResetsTheTimeButKeepsThePathTypedLast) {
    activate(editor);
    EXPECT_EQ(editor.hourField()->text(), QStringLiteral("14"));
    EXPECT_EQ(editor.minuteField()->text(), QStringLiteral("07"));
    EXPECT_EQ(editor.dateField()->date(), QDate(2026, 3, 10));
    EXPECT_EQ(editor.focusWidget(), editor.pathField());
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Launch"));
    EXPECT_EQ(editor.browseButton()->text(), QStringLiteral("Browse"));

    editor.pathField()->setText(QStringLiteral("/usr/bin/xterm"));
    editor.hourField()->setText(QStringLiteral("01"));
    editor.cancelButton()->click();
    platform.clock = platform.clock.addSecs(3600);
    activate(editor);
    EXPECT_EQ(editor.pathField()->text(), QStringLiteral("/usr/bin/xterm"));
    EXPECT_EQ(editor.hourField()->text(), QStringLiteral("15"));
}

TEST_F(LaunchEditorTest, ArrowsStopAtTheRangeEnds) {
    activate(editor);
    editor.hourField()->setText(QStringLiteral("00"));
    editor.hourArrows()->downButton()->click();
    EXPECT_EQ(editor.hourField()->text(), QStringLiteral("00"));
    editor.minuteField()->setText(QStringLiteral("59"));
    editor.minuteArrows()->upButton()->click();
    EXPECT_EQ(editor.minuteField()->text(), QStringLiteral("59"));
    editor.minuteArrows()->downButton()->click();
    EXPECT_EQ(editor.minuteField()->text(), QStringLiteral("58"));
}

TEST_F(LaunchEditorTest, BrowseOffersProgramsAndAllFilesAndTakesTheFullPath) {
    activate(editor);
    editor.pathField()->setText(QStringLiteral("/old/path"));
    platform.answers = {QString()};  // cancelled
    editor.browseButton()->click();
    EXPECT_EQ(platform.chooserFilters,
              (QStringList{QStringLiteral("Programs (*.exe)"), QStringLiteral("Все файлы (*)")}));
    EXPECT_EQ(editor.pathField()->text(), QStringLiteral("/old/path"));

    const QString chosen = folder.path(QStringLiteral("программа"));
    platform.answers = {chosen};
    editor.browseButton()->click();
    EXPECT_EQ(editor.pathField()->text(), chosen);

    // A path longer than the record holds is not cut into another one.
    platform.answers = {QLatin1Char('/') + QString(260, QLatin1Char('p'))};
    editor.browseButton()->click();
    EXPECT_EQ(editor.pathField()->text(), chosen);
    EXPECT_EQ(platform.messages.size(), 1);
}

TEST_F(LaunchEditorTest, OkAppendsTheExactRecordAndAsksForAReload) {
    activate(editor);
    editor.dateField()->setDate(QDate(2026, 3, 10));
    editor.hourField()->setText(QStringLiteral("8"));
    editor.minuteField()->setText(QStringLiteral("0"));
    editor.pathField()->setText(QStringLiteral("/usr/bin/xterm"));
    editor.okButton()->click();
    EXPECT_EQ(stored(), fixture(QStringLiteral("built_launch.bin")));
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(state.reloadLaunches);
}

TEST_F(LaunchEditorTest, PathsAreHeldToTheRecordAndEmptyOnesAreStored) {
    activate(editor);
    editor.pathField()->setText(QLatin1Char('/') + QString(259, QLatin1Char('p')));
    EXPECT_EQ(editor.pathField()->text().size(), 250);
    editor.okButton()->click();
    ASSERT_EQ(stored().size(), 272);
    EXPECT_EQ(stored().at(14), char(250));

    activate(editor);
    editor.pathField()->clear();
    editor.okButton()->click();
    ASSERT_EQ(stored().size(), 544);
    EXPECT_EQ(stored().at(272 + 14), char(0));
}

TEST_F(LaunchEditorTest, RefusalsKeepTheDialogOpenAndCancelWritesNothing) {
    activate(editor);
    editor.hourField()->setText(QStringLiteral("25"));
    editor.okButton()->click();
    EXPECT_TRUE(editor.isVisible());
    editor.hourField()->setText(QStringLiteral("08"));
    editor.pathField()->setText(QStringLiteral("/home/користувач/日本"));
    editor.okButton()->click();
    EXPECT_TRUE(editor.isVisible());
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[1].contains(QStringLiteral("«日»")));

    editor.cancelButton()->click();
    EXPECT_FALSE(folder.exists(QStringLiteral("system/run.dat")));
    EXPECT_TRUE(state.reloadLaunches);
}

// The readers read ScheduleFiles::kMaxEntries records: the last one that fits
// is stored, one more is refused with the error box, and the dialog stays.
TEST_F(LaunchEditorTest, ALaunchPastTheRecordsTheReadersReadIsRefused) {
    constexpr qsizetype kMax = ScheduleFiles::kMaxEntries;
    const QByteArray one = fixture(QStringLiteral("built_launch.bin"));
    for (const qsizetype held : {kMax - 1, kMax}) {
        folder.write(QStringLiteral("system/run.dat"), one.repeated(held));
        platform.errors.clear();
        activate(editor);
        editor.pathField()->setText(QStringLiteral("/usr/bin/xterm"));
        editor.okButton()->click();
        const bool fits = held < kMax;
        EXPECT_EQ(stored().size(), (held + (fits ? 1 : 0)) * 272) << held;
        EXPECT_EQ(editor.isVisible(), !fits) << held;
        EXPECT_EQ(platform.errors.size(), fits ? 0 : 1) << held;
        if (!fits) {
            EXPECT_TRUE(platform.errors[0].contains(QString::number(kMax)));
        }
    }
}
