#include "calendar/ui/CalendarCellAccessible.h"

#include "calendar/MonthLayout.h"
#include "calendar/ui/CalendarAccessible.h"
#include "calendar/ui/CalendarWindow.h"
#include "calendar/widgets/ColourGrid.h"

CalendarCellAccessible::CalendarCellAccessible(CalendarWindow* calendar, int column, int row)
    : calendar_(calendar), column_(column), row_(row) {}

bool CalendarCellAccessible::isValid() const {
    return calendar_ && calendar_->layout() && row_ <= calendar_->layout()->weekRows();
}

QWindow* CalendarCellAccessible::window() const {
    return calendar_ ? calendar_->windowHandle() : nullptr;
}

QAccessibleInterface* CalendarCellAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(calendar_.data());
}

QAccessibleInterface* CalendarCellAccessible::table() const {
    return parent();
}

bool CalendarCellAccessible::isDay() const {
    return row_ > 0 && isValid() && !calendar_->layout()->cell(column_, row_).text.isEmpty();
}

QString CalendarCellAccessible::text(QAccessible::Text t) const {
    if (!isValid()) {
        return {};
    }
    const MonthLayout::Cell& cell = calendar_->layout()->cell(column_, row_);
    if (t == QAccessible::Name) {
        return cell.text;
    }
    if (t != QAccessible::Description || !isDay()) {
        return {};
    }
    const AccessibleTexts& texts = calendar_->accessibleTexts();
    QStringList marks;
    if (cell.yellow) {
        marks << texts.line(sections::access::Today);
    }
    if (cell.red) {
        marks << texts.line(sections::access::Holiday);
    }
    return marks.join(QStringLiteral(", "));
}

QRect CalendarCellAccessible::rect() const {
    if (!isValid()) {
        return {};
    }
    const ColourGrid* grid = calendar_->monthGrid();
    const QRect cell = grid->cellRect(column_, row_);
    return QRect(grid->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::Role CalendarCellAccessible::role() const {
    return row_ == 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
}

QAccessible::State CalendarCellAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.invisible = !calendar_->isVisible();
    state.readOnly = true;
    if (isDay()) {
        state.selectable = true;
        state.selected = isSelected();
        state.focusable = true;
        int col = -1;
        int row = -1;
        state.focused = calendar_->hasFocus() &&
                        calendar_->layout()->findDay(calendar_->readingDay(), &col, &row) &&
                        col == column_ && row == row_;
    }
    return state;
}

void* CalendarCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface) {
        return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return nullptr;
}

bool CalendarCellAccessible::isSelected() const {
    return isDay() && calendar_->layout()->cell(column_, row_).yellow;
}

QList<QAccessibleInterface*> CalendarCellAccessible::columnHeaderCells() const {
    QAccessibleInterface* calendar = parent();
    if (row_ == 0 || !calendar) {
        return {};
    }
    return {calendar->child(CalendarAccessible::childIndex(column_, 0))};
}
