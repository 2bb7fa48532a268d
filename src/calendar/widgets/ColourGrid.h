#pragma once

#include <memory>
#include <unordered_map>

#include "calendar/widgets/CellLooks.h"
#include "calendar/widgets/StringGrid.h"

// A string grid in which every cell has its own background colour and font.
// A cell's parameter object is made the first time the cell is addressed
// through cellLooks(), starting from the grid's colour and font, and
// lives as long as the grid. Fixed cells take their looks from three shared
// sets instead: fixedRowLooks() for the fixed rows, fixedColumnLooks() for the
// fixed columns and cornerLooks() where the two meet. Each cell paints over
// whatever the plain grid would draw, so it shows only its own colours.
class ColourGrid : public StringGrid {
    Q_OBJECT
  public:
    explicit ColourGrid(QWidget* parent = nullptr);
    ~ColourGrid() override;

    CellLooks& cellLooks(int col, int row);
    // The cell's parameter object if it has been made, else null.
    const CellLooks* existingCellLooks(int col, int row) const;
    int cellLooksCount() const { return int(cells_.size()); }

    CellLooks& fixedRowLooks() { return *fixedRowLooks_; }
    CellLooks& fixedColumnLooks() { return *fixedColumnLooks_; }
    CellLooks& cornerLooks() { return *cornerLooks_; }

  protected:
    void drawCell(QPainter& painter, int col, int row, const QRect& rect, bool fixed) override;

  private:
    static quint64 key(int col, int row) { return (quint64(quint32(col)) << 32) | quint32(row); }
    std::unique_ptr<CellLooks> makeFixedSet();
    const CellLooks& fixedSetFor(int col, int row) const;

    std::unordered_map<quint64, std::unique_ptr<CellLooks>> cells_;
    std::unique_ptr<CellLooks> fixedRowLooks_;
    std::unique_ptr<CellLooks> fixedColumnLooks_;
    std::unique_ptr<CellLooks> cornerLooks_;
};
