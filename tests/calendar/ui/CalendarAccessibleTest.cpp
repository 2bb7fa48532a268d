#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>

#include "CalendarFixture.h"
#include "FakePlatform.h"
#include "calendar/ui/CalendarWindow.h"
#include "locale/AccessibleTexts.h"

// The calendar as a screen reader reads it: a table of the month, a cell per
// day, today selected, Sundays and holidays said to be holidays.
namespace {

const QRect kClock(833, 0, 191, 191);

struct Case {
    const char* language;
    QDate today;
    const char* holidays;  // the month's holiday file
    const char* title;
    int rows;
    QList<int> holidayDays;  // Sundays included
    QStringList headers;
};

const QStringList kMondayFirst = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
const QStringList kSundayFirst = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};

const Case kCases[] = {
    {"lang-monday.lng",
     QDate(2026, 3, 10),
     "12\r\n",
     "Март 2026",
     6,
     {1, 8, 12, 15, 22, 29},
     kMondayFirst},
    {"lang-monday.lng", QDate(2027, 2, 28), "", "Февраль 2027", 4, {7, 14, 21, 28}, kMondayFirst},
    {"lang-sunday.lng",
     QDate(2026, 3, 31),
     "8\r\n31\r\n",
     "March 2026",
     5,
     {1, 8, 15, 22, 29, 31},
     kSundayFirst},
};

}  // namespace

class CalendarAccessibleTest : public CalendarFolderTest,
                               public ::testing::WithParamInterface<Case> {
  protected:
    std::unique_ptr<CalendarWindow> make(const Case& c) {
        useLanguage(c.language);
        putHolidayBytes(c.today.month(), c.holidays);
        return std::make_unique<CalendarWindow>(kClock, QColor(Qt::gray), programFolder(), settings,
                                                c.today, platform);
    }

    FakePlatform platform;
};

TEST_P(CalendarAccessibleTest, IsATableOfTheMonthWithTodaySelectedAndHolidaysSaid) {
    const Case& c = GetParam();
    const auto calendar = make(c);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(calendar.get());
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), QString::fromUtf8(c.title));
    EXPECT_EQ(table->tableInterface()->rowCount(), c.rows);
    EXPECT_EQ(table->tableInterface()->columnCount(), 7);
    ASSERT_EQ(table->childCount(), 7 * (1 + c.rows));

    const QString holiday = AccessibleTexts::builtIn(sections::access::Holiday);
    const QString today = AccessibleTexts::builtIn(sections::access::Today);
    QList<int> days;
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* cell = table->child(i);
        ASSERT_NE(cell, nullptr) << i;
        EXPECT_EQ(table->indexOfChild(cell), i);
        EXPECT_EQ(cell->parent(), table);
        const QString name = cell->text(QAccessible::Name);
        if (i < 7) {
            EXPECT_EQ(cell->role(), QAccessible::ColumnHeader);
            EXPECT_EQ(name, c.headers[i]);
            EXPECT_EQ(table->tableInterface()->columnDescription(i), c.headers[i]);
            continue;
        }
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        QAccessibleTableCellInterface* place = cell->tableCellInterface();
        ASSERT_NE(place, nullptr);
        EXPECT_EQ(table->tableInterface()->cellAt(place->rowIndex(), place->columnIndex()), cell);
        ASSERT_EQ(place->columnHeaderCells().size(), 1);
        EXPECT_EQ(place->columnHeaderCells()[0], table->child(place->columnIndex()));
        if (name.isEmpty()) {
            EXPECT_FALSE(cell->state().focusable) << i;
            continue;
        }
        const int day = name.toInt();
        days << day;
        const QString description = cell->text(QAccessible::Description);
        EXPECT_EQ(description.contains(holiday), c.holidayDays.contains(day)) << day;
        EXPECT_EQ(description.contains(today), day == c.today.day()) << day;
        EXPECT_EQ(cell->state().selected, day == c.today.day()) << day;
    }
    QList<int> month;
    for (int day = 1; day <= c.today.daysInMonth(); ++day) {
        month << day;
    }
    EXPECT_EQ(days, month);
    const QList<QAccessibleInterface*> selected = table->tableInterface()->selectedCells();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0]->text(QAccessible::Name), QString::number(c.today.day()));
}

INSTANTIATE_TEST_SUITE_P(Months, CalendarAccessibleTest, ::testing::ValuesIn(kCases));

class CalendarKeysTest : public CalendarFolderTest {
  protected:
    CalendarKeysTest() {
        calendar = std::make_unique<CalendarWindow>(kClock, QColor(Qt::gray), programFolder(),
                                                    settings, QDate(2026, 3, 10), platform);
        calendar->onMenuKey = [this] { ++menus; };
        calendar->show();
        calendar->activateWindow();
        calendar->setFocus();
        QCoreApplication::processEvents();
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(calendar.get(), &event);
    }
    QString focusedDay() const {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(calendar.get());
        QAccessibleInterface* cell = table->focusChild();
        return cell ? cell->text(QAccessible::Name) : QString();
    }

    FakePlatform platform;
    std::unique_ptr<CalendarWindow> calendar;
    int menus = 0;
};

TEST_F(CalendarKeysTest, ArrowsWalkTheDaysWithinTheMonth) {
    ASSERT_TRUE(calendar->hasFocus());
    EXPECT_EQ(focusedDay(), QStringLiteral("10"));
    const std::pair<int, const char*> steps[] = {
        {Qt::Key_Right, "11"}, {Qt::Key_Down, "18"}, {Qt::Key_Down, "25"}, {Qt::Key_Down, "25"},
        {Qt::Key_Left, "24"},  {Qt::Key_Up, "17"},   {Qt::Key_Home, "1"},  {Qt::Key_Left, "1"},
        {Qt::Key_Up, "1"},     {Qt::Key_End, "31"},  {Qt::Key_Right, "31"}};
    for (const auto& [key, day] : steps) {
        press(key);
        EXPECT_EQ(focusedDay(), QLatin1String(day)) << key;
        EXPECT_EQ(calendar->readingDay(), QByteArray(day).toInt());
    }
    // Only a reader hears of it: nothing drawn changes, today stays selected.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(calendar.get())
                  ->tableInterface()
                  ->selectedCells()[0]
                  ->text(QAccessible::Name),
              QStringLiteral("10"));
}

TEST_F(CalendarKeysTest, OnlyTheKeyboardOpensTheClocksMenu) {
    press(Qt::Key_Menu);
    press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(menus, 2);
    press(Qt::Key_F10);
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(10, 10), QPoint(843, 201));
    QCoreApplication::sendEvent(calendar.get(), &mouse);
    EXPECT_EQ(menus, 2);
    QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, QPoint(10, 10), QPoint(843, 201));
    QCoreApplication::sendEvent(calendar.get(), &keyboard);
    EXPECT_EQ(menus, 3);
}
