#include "calendar/ui/CalendarAccessible.h"

#include "calendar/MonthLayout.h"
#include "calendar/ui/CalendarCellAccessible.h"
#include "calendar/ui/CalendarWindow.h"

CalendarAccessible::CalendarAccessible(CalendarWindow* calendar)
    : QAccessibleWidget(calendar, QAccessible::Table) {}

CalendarAccessible::~CalendarAccessible() {
    for (const QAccessible::Id id : std::as_const(cells_)) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

CalendarWindow* CalendarAccessible::calendar() const {
    return static_cast<CalendarWindow*>(widget());
}

QString CalendarAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return calendar()->title();
    }
    return QAccessibleWidget::text(t);
}

int CalendarAccessible::rowCount() const {
    const MonthLayout* layout = calendar()->layout();
    return layout ? layout->weekRows() : 0;
}

int CalendarAccessible::columnCount() const {
    return calendar()->layout() ? MonthLayout::kColumns : 0;
}

int CalendarAccessible::childCount() const {
    return calendar()->layout() ? (1 + rowCount()) * MonthLayout::kColumns : 0;
}

QAccessibleInterface* CalendarAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    if (const auto found = cells_.constFind(index); found != cells_.constEnd()) {
        return QAccessible::accessibleInterface(*found);
    }
    auto* cell = new CalendarCellAccessible(calendar(), index % MonthLayout::kColumns,
                                            index / MonthLayout::kColumns);
    cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int CalendarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const CalendarCellAccessible*>(child);
    if (!cell || cell->table() != this) {
        return -1;
    }
    return childIndex(cell->columnIndex(), cell->rowIndex() + 1);
}

QAccessibleInterface* CalendarAccessible::focusChild() const {
    const MonthLayout* layout = calendar()->layout();
    int col = 0;
    int row = 0;
    if (!calendar()->hasFocus() || !layout ||
        !layout->findDay(calendar()->readingDay(), &col, &row)) {
        return nullptr;
    }
    return child(childIndex(col, row));
}

void* CalendarAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* CalendarAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return nullptr;
    }
    return child(childIndex(column, row + 1));
}

QList<QAccessibleInterface*> CalendarAccessible::selectedCells() const {
    QList<QAccessibleInterface*> today;
    for (int row = 0; row < rowCount(); ++row) {
        for (int col = 0; col < columnCount(); ++col) {
            if (calendar()->layout()->cell(col, row + 1).yellow) {
                today << cellAt(row, col);
            }
        }
    }
    return today;
}

int CalendarAccessible::selectedCellCount() const {
    return int(selectedCells().size());
}

QString CalendarAccessible::columnDescription(int column) const {
    const MonthLayout* layout = calendar()->layout();
    return layout ? layout->cell(column, 0).text : QString();
}
