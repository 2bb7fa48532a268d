#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class StringGrid;

// The looks of one cell of a ColourGrid, or of one kind of fixed
// cell: its background colour and its font with the text colour. The text
// itself stays with the grid; reading and writing it here is a shortcut.
// Every change repaints the grid.
class CellLooks {
  public:
    CellLooks(StringGrid& grid, int column, int row, const QColor& color, const QFont& font,
              const QColor& fontColor);
    CellLooks(const CellLooks&) = delete;
    CellLooks& operator=(const CellLooks&) = delete;

    StringGrid& grid() const { return grid_; }
    int column() const { return column_; }
    int row() const { return row_; }

    const QColor& color() const { return color_; }
    void setColor(const QColor& color);
    const QFont& font() const { return font_; }
    void setFont(const QFont& font);
    const QColor& fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);

    QString text() const;
    void setText(const QString& text);

  private:
    StringGrid& grid_;
    int column_;
    int row_;
    QColor color_;
    QFont font_;
    QColor fontColor_;
};
