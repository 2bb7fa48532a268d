#pragma once

#include <QColor>
#include <QHash>
#include <QPoint>
#include <QString>
#include <QWidget>

class QPainter;

// A display grid of text cells addressed by column and row: fixed rows at the
// top and fixed columns at the left drawn in the fixed colour, every column
// and row of the default size, and one-pixel grid lines to the right of and
// below every cell. It takes no input and has no scroll bars; cells beyond
// the widget's edge are cut off. Texts live with the grid, so a column or row
// count change keeps them. Qt's fonts carry no colour, so the text colour is
// a property of its own.
class StringGrid : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kGridLineWidth = 1;

    explicit StringGrid(QWidget* parent = nullptr);

    int colCount() const { return colCount_; }
    void setColCount(int count);
    int rowCount() const { return rowCount_; }
    void setRowCount(int count);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int count);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int count);
    int defaultColWidth() const { return colWidth_; }
    void setDefaultColWidth(int width);
    int defaultRowHeight() const { return rowHeight_; }
    void setDefaultRowHeight(int height);

    // The background of ordinary cells and of the area beyond the last cell.
    const QColor& color() const { return color_; }
    void setColor(const QColor& color);
    // The background of fixed cells: the button face, as the grid never
    // sets another.
    const QColor& fixedColor() const { return fixedColor_; }
    const QColor& fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);
    const QColor& gridLineColor() const { return gridLineColor_; }
    void setGridLineColor(const QColor& color);

    QString cellText(int col, int row) const;
    void setCellText(int col, int row, const QString& text);

    // Where a cell lies in the widget, grid lines excluded.
    QRect cellRect(int col, int row) const;
    bool isFixed(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws one cell into `rect`: its background and its text, clipped to
    // the cell, one line, left-aligned, two pixels in from the top-left corner.
    virtual void drawCell(QPainter& painter, int col, int row, const QRect& rect, bool fixed);
    static void drawCellContent(QPainter& painter, const QRect& rect, const QColor& background,
                                const QFont& font, const QColor& textColor, const QString& text);

  private:
    static quint64 key(int col, int row) { return (quint64(quint32(col)) << 32) | quint32(row); }

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int colWidth_ = 64;
    int rowHeight_ = 24;
    QColor color_;
    QColor fixedColor_;
    QColor fontColor_;
    QColor gridLineColor_;
    QHash<quint64, QString> texts_;
};
