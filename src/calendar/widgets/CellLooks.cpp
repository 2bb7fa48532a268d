#include "calendar/widgets/CellLooks.h"

#include "calendar/widgets/StringGrid.h"

CellLooks::CellLooks(StringGrid& grid, int column, int row, const QColor& color, const QFont& font,
                     const QColor& fontColor)
    : grid_(grid), column_(column), row_(row), color_(color), font_(font), fontColor_(fontColor) {}

void CellLooks::setColor(const QColor& color) {
    color_ = color;
    grid_.update();
}

void CellLooks::setFont(const QFont& font) {
    font_ = font;
    grid_.update();
}

void CellLooks::setFontColor(const QColor& color) {
    fontColor_ = color;
    grid_.update();
}

QString CellLooks::text() const {
    return grid_.cellText(column_, row_);
}

void CellLooks::setText(const QString& text) {
    grid_.setCellText(column_, row_, text);
}
