#pragma once

#include <memory>
#include <unordered_map>

#include "calendar/widgets/StringGrid.h"
#include "calendar/widgets/VesCellProperties.h"

// A string grid in which every cell has its own background colour and font.
// A cell's parameter object is made the first time the cell is addressed
// through cellProperties(), starting from the grid's colour and font, and
// lives as long as the grid. Fixed cells take their looks from three shared
// sets instead: fixedRowParam() for the fixed rows, fixedColParam() for the
// fixed columns and topLeftCorner() where the two meet. Each cell paints over
// whatever the plain grid would draw, so it shows only its own colours.
class VesColorStringGrid : public StringGrid {
    Q_OBJECT
  public:
    explicit VesColorStringGrid(QWidget* parent = nullptr);
    ~VesColorStringGrid() override;

    VesCellProperties& cellProperties(int col, int row);
    // The cell's parameter object if it has been made, else null.
    const VesCellProperties* existingCellProperties(int col, int row) const;
    int cellPropertiesCount() const { return int(cells_.size()); }

    VesCellProperties& fixedRowParam() { return *fixedRowParam_; }
    VesCellProperties& fixedColParam() { return *fixedColParam_; }
    VesCellProperties& topLeftCorner() { return *topLeftCorner_; }
    // Copy the colour and font of `from` into the grid's own set.
    void setFixedRowParam(const VesCellProperties& from) { fixedRowParam_->assign(from); }
    void setFixedColParam(const VesCellProperties& from) { fixedColParam_->assign(from); }
    void setTopLeftCorner(const VesCellProperties& from) { topLeftCorner_->assign(from); }

  protected:
    void drawCell(QPainter& painter, int col, int row, const QRect& rect, bool fixed) override;

  private:
    static quint64 key(int col, int row) { return (quint64(quint32(col)) << 32) | quint32(row); }
    std::unique_ptr<VesCellProperties> makeFixedSet();
    const VesCellProperties& fixedSetFor(int col, int row) const;

    std::unordered_map<quint64, std::unique_ptr<VesCellProperties>> cells_;
    std::unique_ptr<VesCellProperties> fixedRowParam_;
    std::unique_ptr<VesCellProperties> fixedColParam_;
    std::unique_ptr<VesCellProperties> topLeftCorner_;
};
