#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>

#include "FakePlatform.h"
#include "ProgramFolderCopy.h"
#include "TempFolder.h"
#include "app/ChronidexApp.h"
#include "scheduler/ReminderRecord.h"
#include "settings/DayCount.h"

// The whole program on the fake platform as a screen reader reads it: the
// clock, the pull tab, the open menu and every dialog.
namespace {

// Qt's switch for a listening screen reader, thrown for one test.
class ReaderListening {
  public:
    ReaderListening() { QAccessible::setActive(true); }
    ~ReaderListening() { QAccessible::setActive(false); }
};

bool waitFor(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

QByteArray reminder(const QDate& day, const char* time, const char* text) {
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(day));
    rec.setTime(QLatin1String(time));
    rec.setText(QString::fromUtf8(text));
    return rec.bytes();
}

QStringList childNames(QAccessibleInterface* iface) {
    QStringList names;
    for (int i = 0; i < iface->childCount(); ++i) {
        names << iface->child(i)->text(QAccessible::Name);
    }
    return names;
}

QAccessibleInterface* openMenuIn(QAccessibleInterface* application) {
    for (int i = 0; i < application->childCount(); ++i) {
        if (application->child(i)->role() == QAccessible::PopupMenu) {
            return application->child(i);
        }
    }
    return nullptr;
}

// Controls that take the focus and have no name, below `iface`; items of
// lists are named by their own texts and are not controls.
void collectUnnamed(QAccessibleInterface* iface, const QString& path, QStringList& unnamed) {
    const QAccessible::State state = iface->state();
    if (state.invisible) {
        return;
    }
    const QString name = iface->text(QAccessible::Name);
    const QAccessible::Role role = iface->role();
    if (state.focusable && name.trimmed().isEmpty() && role != QAccessible::ListItem &&
        role != QAccessible::Cell) {
        unnamed << path + QStringLiteral(" role %1").arg(int(role));
    }
    for (int i = 0; i < iface->childCount(); ++i) {
        if (QAccessibleInterface* child = iface->child(i)) {
            collectUnnamed(child, path + QLatin1Char('/') + child->text(QAccessible::Name),
                           unnamed);
        }
    }
}

class Accessibility : public ::testing::Test {
  protected:
    Accessibility() {
        copySuppliedFolder(folder);
        platform.desktop = QRect(0, 0, 1280, 1024);
    }

    TempFolder folder;
    FakePlatform platform;
    ChronidexApp app{platform};
};

}  // namespace

TEST_F(Accessibility, TheClockIsALabelOfTheProgramWithTheTimeAndTodaysReminders) {
    const QDate today(2026, 3, 10);
    folder.write(QStringLiteral("system/napom.dat"), reminder(today, "18:00", "Gym\nat six") +
                                                         reminder(today.addDays(1), "09:00", "No") +
                                                         reminder(today, "15:00", "Call mum"));
    // A tenth of a second before the next second: the first tick reads the reminders.
    platform.clock = QDateTime(today, QTime(14, 7, 0, 900));
    ASSERT_TRUE(app.start(folder.root()));
    QAccessibleInterface* clock = QAccessible::queryAccessibleInterface(&app.clock());
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->role(), QAccessible::StaticText);
    EXPECT_EQ(clock->text(QAccessible::Name), QStringLiteral("Chronidex"));
    ASSERT_NE(clock->textInterface(), nullptr);
    EXPECT_EQ(clock->textInterface()->text(0, -1), QStringLiteral("14:07"));  // the C locale
    EXPECT_TRUE(clock->state().focusable);
    const QString told = QStringLiteral("Напоминания на сегодня: 15:00 Call mum; 18:00 Gym at six");
    EXPECT_TRUE(waitFor([&] { return clock->text(QAccessible::Description) == told; }))
        << clock->text(QAccessible::Description).toStdString();

    platform.clock = QDateTime(today, QTime(14, 8, 59));
    EXPECT_EQ(clock->textInterface()->text(0, -1), QStringLiteral("14:08"));
}

TEST_F(Accessibility, TheMenuOpensFromTheKeyboardAndShowsInTheTreeWhileOpen) {
    ASSERT_TRUE(app.start(folder.root()));
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    QAccessibleInterface* clock = QAccessible::queryAccessibleInterface(&app.clock());
    const int windows = application->childCount();
    const std::function<void()> openers[] = {
        [&] {
            QKeyEvent menuKey(QEvent::KeyPress, Qt::Key_Menu, Qt::NoModifier);
            QCoreApplication::sendEvent(&app.clock(), &menuKey);
        },
        [&] {
            QKeyEvent shiftF10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
            QCoreApplication::sendEvent(&app.clock(), &shiftF10);
        },
        [&] { clock->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction()); },
    };
    for (const auto& open : openers) {
        ASSERT_FALSE(app.menu().isVisible());
        EXPECT_EQ(openMenuIn(application), nullptr);
        open();
        ASSERT_TRUE(app.menu().isVisible());
        // On its first item, for the reader to read, with the item's submenu closed.
        EXPECT_EQ(app.menu().activeAction(), app.menu().item(MenuItem::AddMenu));
        EXPECT_FALSE(app.menu().item(MenuItem::AddMenu)->menu()->isVisible());
        QAccessibleInterface* menu = openMenuIn(application);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(application->childCount(), windows + 1);
        EXPECT_EQ(application->indexOfChild(menu), windows);
        EXPECT_EQ(menu->parent(), application);
        EXPECT_EQ(childNames(menu),
                  (QStringList{"Добавить", "", "Настройки", "", "Помощь", "", "Выход"}));
        // A submenu hangs under its item, not beside the menu.
        EXPECT_EQ(childNames(menu->child(0)->child(0)),
                  (QStringList{"Напоминание", "Запуск", "", "Праздники"}));
        app.menu().hide();
        EXPECT_EQ(application->childCount(), windows);
    }
}

TEST_F(Accessibility, TheTabIsAButtonNamedForWhatItsPressDoes) {
    ASSERT_TRUE(app.start(folder.root()));
    QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(app.pullTab());
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->role(), QAccessible::PushButton);
    EXPECT_EQ(tab->text(QAccessible::Name), QStringLiteral("Убрать часы"));
    ASSERT_NE(tab->actionInterface(), nullptr);
    EXPECT_EQ(tab->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(app.timers().slideAway.isActive());
    ASSERT_TRUE(waitFor([&] { return !app.timers().slideAway.isActive(); }));
    EXPECT_FALSE(app.clock().isVisible());
    EXPECT_EQ(tab->text(QAccessible::Name), QStringLiteral("Показать часы"));
    tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(waitFor([&] { return !app.timers().slideBack.isActive(); }));
    EXPECT_TRUE(app.clock().isVisible());
    EXPECT_EQ(tab->text(QAccessible::Name), QStringLiteral("Убрать часы"));
}

// The way to the clock without the mouse: start the program again.
TEST_F(Accessibility, ASecondStartGivesTheClockTheFocus) {
    ASSERT_TRUE(app.start(folder.root()));
    EXPECT_FALSE(app.clock().hasFocus());
    ASSERT_TRUE(platform.marker.raise);
    platform.marker.raise();
    EXPECT_TRUE(waitFor([&] { return app.clock().hasFocus(); }));
}

// The minute's news costs nothing while no reader listens.
TEST_F(Accessibility, TheTimeIsToldEachMinuteOnlyWhileAReaderListens) {
    ASSERT_TRUE(app.start(folder.root()));
    ASSERT_NE(app.spokenClock(), nullptr);
    EXPECT_FALSE(app.spokenClock()->telling());
    {
        const ReaderListening reader;
        EXPECT_TRUE(app.spokenClock()->telling());
    }
    EXPECT_FALSE(app.spokenClock()->telling());
}

TEST_F(Accessibility, EveryControlOfEveryDialogHasAName) {
    const ReaderListening reader;
    ASSERT_TRUE(app.start(folder.root()));
    const MenuItem items[] = {MenuItem::AddReminder,   MenuItem::AddLaunch, MenuItem::Holidays,
                              MenuItem::Language,      MenuItem::Skins,     MenuItem::Autostart,
                              MenuItem::OtherSettings, MenuItem::About,     MenuItem::Help};
    for (MenuItem item : items) {
        app.menu().item(item)->trigger();
        QWidget* dialog = app.dialogFor(item);
        ASSERT_NE(dialog, nullptr);
        QStringList unnamed;
        collectUnnamed(QAccessible::queryAccessibleInterface(dialog), dialog->windowTitle(),
                       unnamed);
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char('\n')).toStdString();
        dialog->hide();
    }
}
