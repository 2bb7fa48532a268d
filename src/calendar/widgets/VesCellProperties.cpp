#include "calendar/widgets/VesCellProperties.h"

#include "calendar/widgets/StringGrid.h"

VesCellProperties::VesCellProperties(StringGrid& grid, int column, int row, const QColor& color,
                                     const QFont& font, const QColor& fontColor)
    : grid_(grid), column_(column), row_(row), color_(color), font_(font), fontColor_(fontColor) {}

void VesCellProperties::assign(const VesCellProperties& other) {
    color_ = other.color_;
    font_ = other.font_;
    fontColor_ = other.fontColor_;
    grid_.update();
}

void VesCellProperties::setColor(const QColor& color) {
    color_ = color;
    grid_.update();
}

void VesCellProperties::setFont(const QFont& font) {
    font_ = font;
    grid_.update();
}

void VesCellProperties::setFontColor(const QColor& color) {
    fontColor_ = color;
    grid_.update();
}

QString VesCellProperties::text() const {
    return grid_.cellText(column_, row_);
}

void VesCellProperties::setText(const QString& text) {
    grid_.setCellText(column_, row_, text);
}
