#pragma once

#include <QDate>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

#include "calendar/MonthLayout.h"
#include "locale/AccessibleTexts.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsRecord.h"

class Label3D;
class Platform;
class RaisedPanel;
class ColourGrid;

// The calendar that hangs under the clock: the current month in a
// disabled colour grid (week-day captions, today on yellow, Sundays and the
// month's holidays in red) and the month's name in a 3-D label along the
// bottom. Filled once, when it is made; the nightly restart brings the next
// day. A frameless tool window above the others, so it has no taskbar button.
// Auto-hide moves it with move(); nothing else does.
//
// A screen reader knows it as a table of the month (CalendarAccessible). It
// takes the keyboard focus when clicked; then the arrow keys walk the days
// for the reader, drawing nothing, and the menu key opens the clock's menu.
class CalendarWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 191;
    static constexpr int kHeight = 178;

    // `clock` is the clock window's outer rectangle (its left, top and height
    // count), `faceCorner` the top-left pixel of the loaded face picture,
    // `today` the day to show. A language file that cannot be read is
    // reported through `platform`; the grid then stays empty.
    CalendarWindow(const QRect& clock, const QColor& faceCorner, const ProgramFolder& folder,
                   const SettingsRecord& settings, const QDate& today, Platform& platform,
                   QWidget* parent = nullptr);

    // The top-left pixel of a face picture; the button face for none.
    static QColor cornerColour(const QImage& face);
    // Each of the three channels replaced by 255 minus its value.
    static QColor inverse(const QColor& colour);

    RaisedPanel* panel() const { return panel_; }
    ColourGrid* monthGrid() const { return monthGrid_; }
    Label3D* monthLabel() const { return monthLabel_; }
    // Slots 1 to 12, and 0 to 7 (the eighth is the week layout code).
    const QStringList& monthNames() const { return monthNames_; }
    const QStringList& weekdayTexts() const { return weekdayTexts_; }

    // The month shown, with its marks; none when the language file could not
    // be read and the grid stayed empty.
    const MonthLayout* layout() const { return layout_ ? &*layout_ : nullptr; }
    // The month's name and year, as a reader names the table.
    QString title() const;
    // The day the arrow keys have reached, today at first; 0 without a month.
    int readingDay() const { return readingDay_; }
    const AccessibleTexts& accessibleTexts() const { return accessibleTexts_; }

    // The menu key (or Shift+F10) while the calendar has the focus.
    std::function<void()> onMenuKey;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void buildControls();
    bool loadTables(const ProgramFolder& folder, const SettingsRecord& settings,
                    Platform& platform);
    void fillMonthGrid(const QDate& today, const ProgramFolder& folder);
    void showLayout(const MonthLayout& layout);
    void readDay(int day);

    RaisedPanel* panel_;
    ColourGrid* monthGrid_;
    Label3D* monthLabel_;
    QStringList monthNames_;
    QStringList weekdayTexts_;
    std::optional<MonthLayout> layout_;
    int year_ = 0;
    int readingDay_ = 0;
    AccessibleTexts accessibleTexts_;
};
