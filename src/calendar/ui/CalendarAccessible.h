#pragma once

#include <QAccessibleWidget>
#include <QHash>

class CalendarWindow;

// The calendar as a screen reader knows it: a table named for the month and
// year, whose header row holds the week-day names and whose cells hold the
// days, row by row as the grid shows them. Today's cell is selected;
// Sundays and holidays say so in their description. Its children are the
// grid's cells in reading order: first the seven headers, then the week rows
// that hold days, the empty cells before the 1st and after the last day
// included.
class CalendarAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit CalendarAccessible(CalendarWindow* calendar);
    ~CalendarAccessible() override;

    // The child that stands for the grid's cell (column, row); row 0 is
    // the header row.
    static int childIndex(int column, int row) { return row * 7 + column; }

    CalendarWindow* calendar() const;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    mutable QHash<int, QAccessible::Id> cells_;  // by child index, made when first asked for
};
