#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class CalendarWindow;

// One cell of the calendar's table for a screen reader: a week-day name in
// the header row, or a day (its number, empty before the 1st and after the
// last). A day says "holiday" in its description when the grid shows it in
// red (Sundays and the month's holidays), and today is selected.
class CalendarCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    // `row` 0 is the header row, 1 to 6 the week rows, as in the grid.
    CalendarCellAccessible(CalendarWindow* calendar, int column, int row);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    // Header cells stand outside the table's rows.
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

  private:
    bool isDay() const;

    QPointer<CalendarWindow> calendar_;
    int column_;
    int row_;
};
