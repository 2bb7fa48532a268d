#include "calendar/widgets/VesColorStringGrid.h"

#include <QPainter>

VesColorStringGrid::VesColorStringGrid(QWidget* parent)
    : StringGrid(parent),
      fixedRowParam_(makeFixedSet()),
      fixedColParam_(makeFixedSet()),
      topLeftCorner_(makeFixedSet()) {}

VesColorStringGrid::~VesColorStringGrid() = default;

std::unique_ptr<VesCellProperties> VesColorStringGrid::makeFixedSet() {
    return std::make_unique<VesCellProperties>(*this, 0, 0, fixedColor(), font(), fontColor());
}

VesCellProperties& VesColorStringGrid::cellProperties(int col, int row) {
    auto& slot = cells_[key(col, row)];
    if (!slot) {
        slot = std::make_unique<VesCellProperties>(*this, col, row, color(), font(), fontColor());
    }
    return *slot;
}

const VesCellProperties* VesColorStringGrid::existingCellProperties(int col, int row) const {
    const auto found = cells_.find(key(col, row));
    return found == cells_.end() ? nullptr : found->second.get();
}

const VesCellProperties& VesColorStringGrid::fixedSetFor(int col, int row) const {
    const bool inFixedRows = row < fixedRows();
    const bool inFixedCols = col < fixedCols();
    if (inFixedRows && inFixedCols) {
        return *topLeftCorner_;
    }
    return inFixedRows ? *fixedRowParam_ : *fixedColParam_;
}

// Painting reads the cell's object without making one: a cell never
// addressed looks exactly as a fresh object would make it look.
void VesColorStringGrid::drawCell(QPainter& painter, int col, int row, const QRect& rect,
                                  bool fixed) {
    StringGrid::drawCell(painter, col, row, rect, fixed);
    const QString text = cellText(col, row);
    if (fixed) {
        const VesCellProperties& set = fixedSetFor(col, row);
        drawCellContent(painter, rect, set.color(), set.font(), set.fontColor(), text);
    } else if (const VesCellProperties* own = existingCellProperties(col, row)) {
        drawCellContent(painter, rect, own->color(), own->font(), own->fontColor(), text);
    } else {
        drawCellContent(painter, rect, color(), font(), fontColor(), text);
    }
}
