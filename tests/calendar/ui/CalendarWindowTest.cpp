#include <QDir>

#include "CalendarFixture.h"
#include "FakePlatform.h"
#include "calendar/ui/CalendarWindow.h"
#include "calendar/widgets/ColourGrid.h"
#include "calendar/widgets/Label3D.h"
#include "calendar/widgets/RaisedPanel.h"

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kYellow = 0xFFFFFF00;
const QRect kClock(833, 0, 191, 191);

}  // namespace

class CalendarWindowTest : public CalendarFolderTest {
  protected:
    std::unique_ptr<CalendarWindow> make(const QDate& today,
                                         QColor corner = QColor(0x40, 0x60, 0x80)) {
        return std::make_unique<CalendarWindow>(kClock, corner, programFolder(), settings, today,
                                                platform);
    }
    // Where day `day` is in the grid, as (column, row).
    static std::pair<int, int> find(const CalendarWindow& calendar, int day) {
        for (int row = 1; row < 7; ++row) {
            for (int col = 0; col < 7; ++col) {
                if (calendar.monthGrid()->cellText(col, row) == QString::number(day)) {
                    return {col, row};
                }
            }
        }
        return {-1, -1};
    }
    static bool red(const CalendarWindow& calendar, int day) {
        const auto [col, row] = find(calendar, day);
        return calendar.monthGrid()->cellLooks(col, row).fontColor() == QColor(kRed);
    }
    static QString texts(const CalendarWindow& calendar, int row) {
        QStringList out;
        for (int col = 0; col < 7; ++col) {
            out << calendar.monthGrid()->cellText(col, row);
        }
        return out.join(QLatin1Char('|'));
    }

    FakePlatform platform;
};

TEST_F(CalendarWindowTest, FramelessWindowHangingUnderTheClock) {
    const auto calendar = make(QDate(2026, 3, 10));
    const Qt::WindowFlags flags = calendar->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_FALSE(flags & Qt::WindowStaysOnTopHint);  // only the pull tab stays above
    EXPECT_EQ(calendar->geometry(), QRect(833, 191, 191, 178));
    EXPECT_EQ(calendar->panel()->geometry(), QRect(0, 0, 191, 159));
    EXPECT_EQ(calendar->monthGrid()->parentWidget(), calendar->panel());
    EXPECT_EQ(calendar->monthGrid()->geometry(), QRect(4, 5, 185, 150));
    EXPECT_EQ(calendar->monthLabel()->geometry(), QRect(0, 160, 191, 18));
    EXPECT_TRUE(platform.errors.isEmpty());

    const ColourGrid& grid = *calendar->monthGrid();
    EXPECT_FALSE(grid.isEnabled());
    EXPECT_EQ(grid.colCount(), 7);
    EXPECT_EQ(grid.rowCount(), 7);
    EXPECT_EQ(grid.defaultColWidth(), 25);
    EXPECT_EQ(grid.defaultRowHeight(), 20);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_EQ(grid.fixedCols(), 0);
    EXPECT_EQ(grid.font().pixelSize(), 11);
    EXPECT_EQ(grid.color(), QColor(kBase));
    EXPECT_EQ(calendar->monthGrid()->fixedRowLooks().color(), QColor(kFace));
    EXPECT_EQ(calendar->monthGrid()->cornerLooks().fontColor(), QColor(kText));
    EXPECT_EQ(calendar->monthGrid()->fixedColumnLooks().font().pixelSize(), 11);
    // Every cell has been addressed once.
    EXPECT_EQ(grid.cellLooksCount(), 49);

    const Label3D& label = *calendar->monthLabel();
    EXPECT_LE(label.font().pixelSize(), 15);  // smaller only where the names would not fit
}

TEST_F(CalendarWindowTest, MondayFirstMonthWithTodayAndSundays) {
    // 1 March 2026 is a Sunday; the 10th a Tuesday.
    const auto calendar = make(QDate(2026, 3, 10));
    EXPECT_EQ(texts(*calendar, 0), QStringLiteral("Пн|Вт|Ср|Чт|Пт|Сб|Вс"));
    EXPECT_EQ(texts(*calendar, 1), QStringLiteral("||||||1"));
    EXPECT_EQ(texts(*calendar, 6), QStringLiteral("30|31|||||"));
    EXPECT_EQ(calendar->monthLabel()->caption(), QStringLiteral("Март"));
    EXPECT_TRUE(red(*calendar, 1));
    EXPECT_TRUE(red(*calendar, 29));
    EXPECT_FALSE(red(*calendar, 28));  // Saturday
    EXPECT_FALSE(red(*calendar, 10));
    const auto [col, row] = find(*calendar, 10);
    EXPECT_EQ(calendar->monthGrid()->cellLooks(col, row).color(), QColor(kYellow));
    EXPECT_EQ(calendar->monthGrid()->cellLooks(col, row + 1).color(), QColor(kBase));

    // As drawn: the caption row on the button face, today's cell yellow, red
    // text in the Sunday cells.
    const QImage image = render(*calendar);
    const QPoint grid(4, 5);
    const QRect today = calendar->monthGrid()->cellRect(col, row).translated(grid);
    EXPECT_EQ(image.pixel(today.left() + 1, today.bottom() - 1), kYellow);
    EXPECT_EQ(image.pixel(grid + calendar->monthGrid()->cellRect(3, 0).bottomRight()), kFace);
    // The text is antialiased: red ink is any pixel where red outweighs the rest.
    const auto redInk = [&](int col) {
        const QRect cell = calendar->monthGrid()->cellRect(col, 1).translated(grid);
        return boundsOf(image.copy(cell),
                        [](QRgb p) { return qRed(p) > 96 && qRed(p) > 2 * (qGreen(p) + qBlue(p)); })
            .isValid();
    };
    EXPECT_TRUE(redInk(6));
    EXPECT_FALSE(redInk(5));
}

TEST_F(CalendarWindowTest, FebruaryStartingOnMondayLeavesTwoRowsEmpty) {
    const auto calendar = make(QDate(2021, 2, 1));
    EXPECT_EQ(texts(*calendar, 1), QStringLiteral("1|2|3|4|5|6|7"));
    EXPECT_EQ(texts(*calendar, 4), QStringLiteral("22|23|24|25|26|27|28"));
    EXPECT_EQ(texts(*calendar, 5), QStringLiteral("||||||"));
    EXPECT_EQ(texts(*calendar, 6), QStringLiteral("||||||"));
}

TEST_F(CalendarWindowTest, OtherLayoutCodesStartOnSunday) {
    for (const char* fixture : {"lang-sunday.lng", "lang-rus-capital.lng", "lang-rus-blank.lng"}) {
        SCOPED_TRACE(fixture);
        useLanguage(fixture);
        const auto calendar = make(QDate(2026, 3, 20));
        EXPECT_EQ(texts(*calendar, 1), QStringLiteral("1|2|3|4|5|6|7"));
        for (int day : {1, 8, 15, 22, 29}) {
            EXPECT_EQ(find(*calendar, day).first, 0) << day;
            EXPECT_TRUE(red(*calendar, day)) << day;
        }
        EXPECT_FALSE(red(*calendar, 7));
    }
    EXPECT_EQ(texts(*make(QDate(2026, 3, 20)), 0), QStringLiteral("Пн|Вт|Ср|Чт|Пт|Сб|Вс"));
    useLanguage("lang-sunday.lng");
    const auto english = make(QDate(2026, 3, 20));
    EXPECT_EQ(texts(*english, 0), QStringLiteral("Su|Mo|Tu|We|Th|Fr|Sa"));
    EXPECT_EQ(english->monthLabel()->caption(), QStringLiteral("March"));
}

TEST_F(CalendarWindowTest, HolidaysOfTheCurrentMonthOnly) {
    putHolidays(3, "month-5-25.prz");
    putHolidays(4, "month-1-10-31.prz");
    const auto calendar = make(QDate(2026, 3, 10));
    EXPECT_TRUE(red(*calendar, 5));
    EXPECT_TRUE(red(*calendar, 25));
    EXPECT_FALSE(red(*calendar, 10));  // listed for April only
    EXPECT_FALSE(red(*calendar, 31));
    EXPECT_FALSE(red(*calendar, 6));
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(CalendarWindowTest, LinesThatAreNotDaysOfTheMonthMarkNothing) {
    // November 2026 has 30 days and starts on a Sunday: Sundays are 1, 8, ...
    putHolidays(11, "month-odd-lines.prz");
    const auto calendar = make(QDate(2026, 11, 3));
    for (int day = 1; day <= 30; ++day) {
        const bool sunday = QDate(2026, 11, day).dayOfWeek() == 7;
        EXPECT_EQ(red(*calendar, day), sunday) << day;
    }
    // A holiday today: red on yellow; and a Sunday today the same.
    putHolidays(11, "month-5-25.prz");
    const auto holiday = make(QDate(2026, 11, 25));
    const auto [hc, hr] = find(*holiday, 25);
    EXPECT_TRUE(red(*holiday, 25));
    EXPECT_EQ(holiday->monthGrid()->cellLooks(hc, hr).color(), QColor(kYellow));
    const auto sunday = make(QDate(2026, 11, 15));
    const auto [sc, sr] = find(*sunday, 15);
    EXPECT_TRUE(red(*sunday, 15));
    EXPECT_EQ(sunday->monthGrid()->cellLooks(sc, sr).color(), QColor(kYellow));
    const QImage image = render(*sunday);
    const QRect cell = sunday->monthGrid()->cellRect(sc, sr).translated(4, 5);
    EXPECT_GT(count(image, kRed, cell), 0);
    EXPECT_GT(count(image, kYellow, cell), 0);
}

TEST_F(CalendarWindowTest, MissingHolidayFileOrFolderIsNoError) {
    const auto none = make(QDate(2026, 3, 10));
    EXPECT_FALSE(red(*none, 5));
    QDir(folder.path(QStringLiteral("prazdniki"))).removeRecursively();
    const auto noFolder = make(QDate(2026, 3, 10));
    EXPECT_EQ(texts(*noFolder, 1), QStringLiteral("||||||1"));
    // A folder where the file should be is no holiday file either.
    QDir(folder.root()).mkpath(QStringLiteral("prazdniki/3.prz"));
    make(QDate(2026, 3, 10));
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(CalendarWindowTest, UnreadableLanguageFileIsReportedAndLeavesTheGridEmpty) {
    settings.setLangFile(QStringLiteral("Missing.lng"));
    putHolidays(3, "month-5-25.prz");
    const auto calendar = make(QDate(2026, 3, 10), QColor(0, 0, 0));
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors.first().contains(QStringLiteral("Missing.lng")));
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(texts(*calendar, row), QStringLiteral("||||||"));
    }
    EXPECT_EQ(calendar->monthGrid()->cellLooksCount(), 0);
    EXPECT_EQ(calendar->monthLabel()->caption(), QStringLiteral("Февраль"));
    // The colours are set before the language file is read.
    EXPECT_EQ(calendar->panel()->color(), QColor(0, 0, 0));
    EXPECT_EQ(calendar->monthLabel()->fontColor(), QColor(255, 255, 255));

    settings.setLangFile(QString());
    make(QDate(2026, 3, 10));
    settings.setLangFile(QStringLiteral("../system/system.ini"));
    make(QDate(2026, 3, 10));
    EXPECT_EQ(platform.errors.size(), 3);
}

TEST_F(CalendarWindowTest, MissingTablesGiveEmptyTextsAndTheSundayLayout) {
    useLanguage("lang-no-tables.lng");
    const auto calendar = make(QDate(2026, 3, 10));
    EXPECT_TRUE(platform.errors.isEmpty());
    EXPECT_EQ(texts(*calendar, 0), QStringLiteral("||||||"));
    EXPECT_EQ(texts(*calendar, 1), QStringLiteral("1|2|3|4|5|6|7"));
    EXPECT_TRUE(calendar->monthLabel()->caption().isEmpty());
}

TEST_F(CalendarWindowTest, SurplusTableLinesAreDropped) {
    useLanguage("lang-surplus.lng");
    const auto calendar = make(QDate(2026, 12, 10));
    EXPECT_EQ(calendar->monthNames().size(), 13);
    EXPECT_EQ(calendar->weekdayTexts().size(), 8);
    EXPECT_EQ(calendar->weekdayTexts().at(7), QStringLiteral("rus"));
    EXPECT_EQ(calendar->monthLabel()->caption(), QStringLiteral("Декабрь"));
    EXPECT_EQ(texts(*calendar, 0), QStringLiteral("Пн|Вт|Ср|Чт|Пт|Сб|Вс"));
}

TEST_F(CalendarWindowTest, PanelAndLabelTakeTheFaceCornerColour) {
    EXPECT_EQ(CalendarWindow::inverse(QColor(0, 0, 0)), QColor(255, 255, 255));
    EXPECT_EQ(CalendarWindow::inverse(QColor(10, 200, 30)), QColor(245, 55, 225));
    EXPECT_EQ(CalendarWindow::cornerColour(QImage()), QColor(kFace));
    QImage face(4, 4, QImage::Format_RGB32);
    face.fill(qRgb(1, 2, 3));
    face.setPixel(0, 0, qRgb(10, 200, 30));
    EXPECT_EQ(CalendarWindow::cornerColour(face), QColor(10, 200, 30));

    const auto calendar = make(QDate(2026, 3, 10), QColor(0, 0, 0));
    EXPECT_EQ(calendar->panel()->color(), QColor(0, 0, 0));
    EXPECT_EQ(calendar->monthLabel()->color(), QColor(0, 0, 0));
    EXPECT_EQ(calendar->monthLabel()->fontColor(), QColor(255, 255, 255));
    const QImage image = render(*calendar);
    EXPECT_EQ(image.pixel(0, 0), kLight);  // the panel's raised edge
    EXPECT_EQ(image.pixel(190, 158), kDark);
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(0, 160), kLight);  // the label's raised edge
    EXPECT_EQ(image.pixel(190, 177), kDark);
    EXPECT_EQ(image.pixel(2, 176), qRgb(0, 0, 0));
    // The month's name in white, centred in the label.
    const QRect name = boundsOf(image.copy(0, 160, 191, 18), [](QRgb p) {
        return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200 && p != kLight;
    });
    ASSERT_FALSE(name.isEmpty());
    EXPECT_NEAR(name.center().x(), 95, 4);
}
