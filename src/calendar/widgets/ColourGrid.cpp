#include "calendar/widgets/ColourGrid.h"

#include <QPainter>

ColourGrid::ColourGrid(QWidget* parent)
    : StringGrid(parent),
      fixedRowLooks_(makeFixedSet()),
      fixedColumnLooks_(makeFixedSet()),
      cornerLooks_(makeFixedSet()) {}

ColourGrid::~ColourGrid() = default;

std::unique_ptr<CellLooks> ColourGrid::makeFixedSet() {
    return std::make_unique<CellLooks>(*this, 0, 0, fixedColor(), font(), fontColor());
}

CellLooks& ColourGrid::cellLooks(int col, int row) {
    auto& slot = cells_[key(col, row)];
    if (!slot) {
        slot = std::make_unique<CellLooks>(*this, col, row, color(), font(), fontColor());
    }
    return *slot;
}

const CellLooks* ColourGrid::existingCellLooks(int col, int row) const {
    const auto found = cells_.find(key(col, row));
    return found == cells_.end() ? nullptr : found->second.get();
}

const CellLooks& ColourGrid::fixedSetFor(int col, int row) const {
    const bool inFixedRows = row < fixedRows();
    const bool inFixedCols = col < fixedCols();
    if (inFixedRows && inFixedCols) {
        return *cornerLooks_;
    }
    return inFixedRows ? *fixedRowLooks_ : *fixedColumnLooks_;
}

// Painting reads the cell's object without making one: a cell never
// addressed looks exactly as a fresh object would make it look.
void ColourGrid::drawCell(QPainter& painter, int col, int row, const QRect& rect, bool fixed) {
    StringGrid::drawCell(painter, col, row, rect, fixed);
    const QString text = cellText(col, row);
    if (fixed) {
        const CellLooks& set = fixedSetFor(col, row);
        drawCellContent(painter, rect, set.color(), set.font(), set.fontColor(), text);
    } else if (const CellLooks* own = existingCellLooks(col, row)) {
        drawCellContent(painter, rect, own->color(), own->font(), own->fontColor(), text);
    } else {
        drawCellContent(painter, rect, color(), font(), fontColor(), text);
    }
}
