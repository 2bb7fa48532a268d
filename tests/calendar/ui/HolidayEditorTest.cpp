#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "CalendarFixture.h"
#include "FakePlatform.h"
#include "FakeTimer.h"
#include "autohide/DialogProtocol.h"
#include "calendar/ui/HolidayEditor.h"

namespace {

QStringList list(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* item : items) {
        out << QString::fromUtf8(item);
    }
    return out;
}

}  // namespace

class HolidayEditorTest : public CalendarFolderTest {
  protected:
    HolidayEditorTest()
        : protocol(state, timers.view(), platform), context{state,
                                                            timers.view(),
                                                            protocol,
                                                            platform,
                                                            program,
                                                            [this](int topic) { helpTopics << topic; }} {
        useLanguage("lang-sunday.lng");
        state.programFolder = ProgramFolder(folder.root());
        state.settings = settings;
        elsewhere.resize(10, 10);
    }
    ~HolidayEditorTest() override {
        if (editor_) {
            editor_->hide();
        }
    }

    HolidayEditor& editor() {
        if (!editor_) {
            editor_ = std::make_unique<HolidayEditor>(context);
        }
        return *editor_;
    }
    // The user comes to the dialog (from another window or by the menu).
    void activate() {
        editor().show();
        QApplication::setActiveWindow(&editor());
        QCoreApplication::processEvents();
    }
    void goElsewhere() {
        elsewhere.show();
        QApplication::setActiveWindow(&elsewhere);
        QCoreApplication::processEvents();
    }
    void openMenu() {
        editor().listMenu()->popup(QPoint(0, 0));
        editor().listMenu()->hide();
    }
    void add(const QString& answer) {
        platform.answers.push_back(answer);
        editor().addDayAction()->trigger();
    }
    void chooseMonth(int month) { editor().monthBox()->setCurrentIndex(month - 1); }
    void accept() { editor().acceptButton()->click(); }

    FakePlatform platform;
    FakeClockTimers timers;
    FakeProgramControl program;
    ClockState state;
    DialogProtocol protocol;
    DialogContext context;
    QList<int> helpTopics;
    QWidget elsewhere;
    std::unique_ptr<HolidayEditor> editor_;
};

TEST_F(HolidayEditorTest, BuiltInLooksBeforeTheFirstActivation) {
    HolidayEditor& d = editor();
    EXPECT_EQ(d.size(), QSize(269, 221));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Праздники"));
    EXPECT_EQ(d.monthBox()->count(), 12);
    EXPECT_EQ(d.monthBox()->itemText(8), QStringLiteral("Сентябрь"));
    EXPECT_TRUE(d.monthBox()->isEditable());
    EXPECT_EQ(d.dayList()->geometry(), QRect(72, 64, 121, 97));
    EXPECT_EQ(d.acceptButton()->text(), QStringLiteral("Принять"));
    EXPECT_FALSE(d.acceptButton()->isEnabled());
    EXPECT_EQ(d.cancelButton()->text(), QStringLiteral("Отмена"));
    EXPECT_EQ(d.addDayAction()->text(), QStringLiteral("Добавить"));
    EXPECT_EQ(d.deleteDayAction()->text(), QStringLiteral("Удалить"));
    EXPECT_EQ(d.geometry().center(), platform.desktop.center());
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(&d, &f1);
    EXPECT_EQ(helpTopics, QList<int>{3});
}

TEST_F(HolidayEditorTest, ActivationLoadsTextsMonthsAndTheCurrentMonthsFile) {
    putHolidays(3, "month-1-10-31.prz");
    activate();
    HolidayEditor& d = editor();
    EXPECT_TRUE(state.dialogOpen);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Holidays"));
    EXPECT_EQ(d.monthLabel()->text(), QStringLiteral("Month:"));
    EXPECT_EQ(d.acceptButton()->text(), QStringLiteral("Save"));
    EXPECT_EQ(d.cancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(d.addDayAction()->text(), QStringLiteral("Add"));
    EXPECT_EQ(d.deleteDayAction()->text(), QStringLiteral("Delete"));
    EXPECT_EQ(d.monthBox()->count(), 12);
    EXPECT_EQ(d.monthBox()->currentIndex(), 2);
    EXPECT_EQ(d.monthBox()->currentText(), QStringLiteral("March"));
    EXPECT_EQ(d.shownMonth(), 3);
    EXPECT_EQ(d.entries(), list({"1", "10", "31"}));
    EXPECT_TRUE(platform.errors.isEmpty());

    // Edits are dropped when the user comes back from another window.
    add(QStringLiteral("5"));
    EXPECT_EQ(d.entries(), list({"1", "5", "10", "31"}));
    goElsewhere();
    activate();
    EXPECT_EQ(d.entries(), list({"1", "10", "31"}));
}

TEST_F(HolidayEditorTest, ReturningFromTheInputBoxKeepsTheList) {
    putHolidays(3, "month-1-10-31.prz");
    activate();
    goElsewhere();  // the input box takes the focus ...
    add(QStringLiteral("5"));
    activate();  // ... and gives it back when it closes
    EXPECT_EQ(editor().entries(), list({"1", "5", "10", "31"}));
    goElsewhere();
    activate();
    EXPECT_EQ(editor().entries(), list({"1", "10", "31"}));
}

TEST_F(HolidayEditorTest, AddAsksAndSortsByNumber) {
    putHolidays(3, "month-1-10-31.prz");
    activate();
    HolidayEditor& d = editor();
    add(QStringLiteral("5"));
    EXPECT_EQ(platform.questions, QStringList{QStringLiteral("New holiday|Day (1-31):|Cancel")});
    add(QStringLiteral("10"));
    add(QStringLiteral("07"));
    EXPECT_EQ(d.entries(), list({"1", "5", "07", "10", "10", "31"}));
    // Cancel, or OK with nothing typed, changes nothing.
    add(QString());
    add(QStringLiteral(""));
    EXPECT_EQ(d.entries().size(), 6);
    EXPECT_TRUE(platform.errors.isEmpty());

    add(QStringLiteral("abc"));
    EXPECT_EQ(platform.errors, QStringList{QStringLiteral("'abc' is not a valid integer value")});
    EXPECT_EQ(d.entries().last(), QStringLiteral("abc"));
}

TEST_F(HolidayEditorTest, PlaceholderOfAnEmptyMonthMakesWayForTheFirstDay) {
    for (const QByteArray& empty : {QByteArray(), QByteArray("\r\n")}) {
        putHolidayBytes(3, empty);
        goElsewhere();
        activate();
        EXPECT_EQ(editor().entries(), QStringList{QString()});
        add(QStringLiteral("8"));
        EXPECT_EQ(editor().entries(), list({"8"}));
    }
    // Deleting everything and adding one leaves only the new one.
    putHolidays(3, "month-1-10-31.prz");
    goElsewhere();
    activate();
    for (int i = 0; i < 3; ++i) {
        editor().dayList()->setCurrentRow(0);
        editor().deleteDayAction()->trigger();
    }
    EXPECT_TRUE(editor().entries().isEmpty());
    add(QStringLiteral("4"));
    EXPECT_EQ(editor().entries(), list({"4"}));
}

TEST_F(HolidayEditorTest, DeleteTakesOnlyTheSelectedEntry) {
    putHolidays(3, "month-1-10-31.prz");
    activate();
    HolidayEditor& d = editor();
    d.deleteDayAction()->trigger();
    EXPECT_EQ(d.entries().size(), 3);
    d.dayList()->setCurrentRow(1);
    d.deleteDayAction()->trigger();
    EXPECT_EQ(d.entries(), list({"1", "31"}));
    d.dayList()->clearSelection();
    d.deleteDayAction()->trigger();
    EXPECT_EQ(d.entries(), list({"1", "31"}));
}

TEST_F(HolidayEditorTest, AcceptIsOffUntilTheListMenuHasOpened) {
    putHolidays(3, "month-1-10-31.prz");
    activate();
    HolidayEditor& d = editor();
    chooseMonth(2);
    EXPECT_FALSE(d.acceptButton()->isEnabled());
    accept();
    EXPECT_EQ(program.restarts, 0);
    openMenu();
    EXPECT_TRUE(d.acceptButton()->isEnabled());
    // It stays on through later activations and closings.
    d.cancelButton()->click();
    activate();
    EXPECT_TRUE(d.acceptButton()->isEnabled());
}

TEST_F(HolidayEditorTest, AcceptWritesTheShownMonthAndRestarts) {
    putHolidays(2, "month-5-25.prz");
    putHolidays(3, "month-1-10-31.prz");
    activate();
    openMenu();
    chooseMonth(2);
    EXPECT_EQ(editor().shownMonth(), 2);
    EXPECT_EQ(editor().entries(), list({"5", "25"}));
    add(QStringLiteral("14"));
    accept();
    EXPECT_EQ(folder.read(holidayFile(2)), QByteArray("5\r\n14\r\n25\r\n"));
    EXPECT_EQ(folder.read(holidayFile(3)), QByteArray("1\r\n10\r\n31\r\n"));
    EXPECT_EQ(program.restarts, 1);
    EXPECT_FALSE(program.changedOtherFields);
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(HolidayEditorTest, EmptiedListWritesZeroBytesUntouchedPlaceholderOneEmptyLine) {
    putHolidays(3, "month-5-25.prz");
    activate();
    openMenu();
    editor().dayList()->setCurrentRow(0);
    editor().deleteDayAction()->trigger();
    editor().dayList()->setCurrentRow(0);
    editor().deleteDayAction()->trigger();
    accept();
    EXPECT_TRUE(folder.exists(holidayFile(3)));
    EXPECT_EQ(folder.read(holidayFile(3)), QByteArray());

    goElsewhere();
    activate();
    EXPECT_EQ(editor().entries(), QStringList{QString()});
    accept();
    EXPECT_EQ(folder.read(holidayFile(3)), QByteArray("\r\n"));
    EXPECT_EQ(program.restarts, 2);
}

TEST_F(HolidayEditorTest, CancelWritesNothing) {
    putHolidays(3, "month-1-10-31.prz");
    activate();
    openMenu();
    add(QStringLiteral("2"));
    editor().cancelButton()->click();
    EXPECT_FALSE(editor().isVisible());
    EXPECT_FALSE(state.dialogOpen);
    EXPECT_EQ(folder.read(holidayFile(3)), QByteArray("1\r\n10\r\n31\r\n"));
    EXPECT_EQ(program.restarts, 0);
    activate();
    EXPECT_EQ(editor().entries(), list({"1", "10", "31"}));
}

TEST_F(HolidayEditorTest, MonthWithoutAFileShowsThePlaceholderAndAcceptCreatesIt) {
    putHolidays(3, "month-1-10-31.prz");
    activate();
    openMenu();
    chooseMonth(7);
    EXPECT_TRUE(platform.errors.isEmpty());
    EXPECT_EQ(editor().shownMonth(), 7);
    EXPECT_EQ(editor().entries(), QStringList{QString()});
    add(QStringLiteral("4"));
    accept();
    EXPECT_EQ(folder.read(holidayFile(7)), QByteArray("4\r\n"));
    EXPECT_EQ(folder.read(holidayFile(3)), QByteArray("1\r\n10\r\n31\r\n"));
}

TEST_F(HolidayEditorTest, UnreadableMonthIsReportedAndCannotBeSavedOverAnother) {
    putHolidays(3, "month-1-10-31.prz");
    QDir(folder.root()).mkpath(holidayFile(4));  // a folder where the file should be
    putHolidays(5, "month-5-25.prz");
    activate();
    openMenu();
    chooseMonth(4);
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors.first().contains(QStringLiteral("4.prz")));
    // March's days are not left standing for April.
    EXPECT_TRUE(editor().entries().isEmpty());
    EXPECT_EQ(editor().shownMonth(), 0);
    add(QStringLiteral("9"));
    accept();
    EXPECT_EQ(platform.errors.size(), 2);
    EXPECT_EQ(program.restarts, 0);
    EXPECT_TRUE(QFileInfo(folder.path(holidayFile(4))).isDir());
    EXPECT_EQ(folder.read(holidayFile(3)), QByteArray("1\r\n10\r\n31\r\n"));

    // Another month read properly can be saved again.
    chooseMonth(5);
    accept();
    EXPECT_EQ(program.restarts, 1);
    EXPECT_EQ(folder.read(holidayFile(5)), QByteArray("5\r\n25\r\n"));
}

TEST_F(HolidayEditorTest, ErrorBoxAtActivationIsShownOnce) {
    QDir(folder.root()).mkpath(holidayFile(3));
    // The box comes up while the dialog does not have the focus yet ...
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&editor(), &activation);
    EXPECT_EQ(platform.errors.size(), 1);
    // ... and hands the focus to it when it closes: that is no new visit,
    // which would read the file and show the box again, and again.
    activate();
    EXPECT_EQ(platform.errors.size(), 1);
    goElsewhere();
    activate();
    EXPECT_EQ(platform.errors.size(), 2);
}

TEST_F(HolidayEditorTest, TypedMonthNamesSelectOrNameNoMonth) {
    putHolidays(2, "month-5-25.prz");
    putHolidays(3, "month-1-10-31.prz");
    activate();
    openMenu();
    QLineEdit* typing = editor().monthBox()->lineEdit();
    typing->setText(QStringLiteral("Feb"));
    EXPECT_EQ(editor().shownMonth(), 0);
    EXPECT_TRUE(editor().entries().isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty());  // no box for every key stroke
    accept();
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(program.restarts, 0);
    typing->setText(QStringLiteral("february"));
    EXPECT_EQ(editor().shownMonth(), 2);
    EXPECT_EQ(editor().entries(), list({"5", "25"}));
    accept();
    EXPECT_EQ(program.restarts, 1);
    EXPECT_EQ(folder.read(holidayFile(3)), QByteArray("1\r\n10\r\n31\r\n"));
}

TEST_F(HolidayEditorTest, FailedSavesAreReportedAndDoNotRestart) {
    putHolidays(3, "month-1-10-31.prz");
    activate();
    openMenu();
    QDir(folder.path(QStringLiteral("prazdniki"))).removeRecursively();
    accept();
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(program.restarts, 0);
    EXPECT_FALSE(folder.exists(QStringLiteral("prazdniki")));

    QDir(folder.root()).mkpath(QStringLiteral("prazdniki"));
    program.failure = QStringLiteral("settings file is read-only");
    accept();
    EXPECT_EQ(program.restarts, 1);
    EXPECT_EQ(platform.errors.size(), 2);
    EXPECT_EQ(platform.errors.last(), QStringLiteral("settings file is read-only"));
    EXPECT_EQ(folder.read(holidayFile(3)), QByteArray("1\r\n10\r\n31\r\n"));
}

TEST_F(HolidayEditorTest, UnreadableLanguageFileSkipsTheRestOfTheActivation) {
    putHolidays(3, "month-1-10-31.prz");
    state.settings.setLangFile(QStringLiteral("Missing.lng"));
    activate();
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(editor().windowTitle(), QStringLiteral("Праздники"));
    EXPECT_EQ(editor().monthBox()->itemText(0), QStringLiteral("Январь"));
    EXPECT_TRUE(editor().entries().isEmpty());
    openMenu();
    accept();
    EXPECT_EQ(program.restarts, 0);
    EXPECT_EQ(platform.errors.size(), 2);
}
