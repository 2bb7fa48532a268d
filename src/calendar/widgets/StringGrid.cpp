#include "calendar/widgets/StringGrid.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "calendar/widgets/SystemColors.h"

StringGrid::StringGrid(QWidget* parent)
    : QWidget(parent),
      color_(syscolors::window()),
      fixedColor_(syscolors::btnFace()),
      fontColor_(syscolors::windowText()),
      gridLineColor_(QColor(192, 192, 192)) {}

void StringGrid::setColCount(int count) {
    colCount_ = std::max(0, count);
    update();
}
void StringGrid::setRowCount(int count) {
    rowCount_ = std::max(0, count);
    update();
}
void StringGrid::setFixedCols(int count) {
    fixedCols_ = std::max(0, count);
    update();
}
void StringGrid::setFixedRows(int count) {
    fixedRows_ = std::max(0, count);
    update();
}
void StringGrid::setDefaultColWidth(int width) {
    colWidth_ = std::max(0, width);
    update();
}
void StringGrid::setDefaultRowHeight(int height) {
    rowHeight_ = std::max(0, height);
    update();
}
void StringGrid::setColor(const QColor& color) {
    color_ = color;
    update();
}
void StringGrid::setFontColor(const QColor& color) {
    fontColor_ = color;
    update();
}
void StringGrid::setGridLineColor(const QColor& color) {
    gridLineColor_ = color;
    update();
}

QString StringGrid::cellText(int col, int row) const {
    return texts_.value(key(col, row));
}

void StringGrid::setCellText(int col, int row, const QString& text) {
    if (text.isEmpty()) {
        texts_.remove(key(col, row));
    } else {
        texts_.insert(key(col, row), text);
    }
    update();
}

QRect StringGrid::cellRect(int col, int row) const {
    return QRect(col * (colWidth_ + kGridLineWidth), row * (rowHeight_ + kGridLineWidth), colWidth_,
                 rowHeight_);
}

void StringGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    // Only the columns and rows that reach into the widget are drawn.
    const int pitchX = colWidth_ + kGridLineWidth;
    const int pitchY = rowHeight_ + kGridLineWidth;
    const int cols = std::min(colCount_, width() / pitchX + 1);
    const int rows = std::min(rowCount_, height() / pitchY + 1);
    const QRect dirty = event->rect();
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const QRect cell = cellRect(col, row);
            if (!cell.intersects(dirty)) {
                continue;
            }
            painter.save();
            painter.setClipRect(cell);
            drawCell(painter, col, row, cell, isFixed(col, row));
            painter.restore();
        }
    }
    const int gridWidth = cols * pitchX;
    const int gridHeight = rows * pitchY;
    for (int col = 0; col < cols; ++col) {
        painter.fillRect(col * pitchX + colWidth_, 0, kGridLineWidth, gridHeight, gridLineColor_);
    }
    for (int row = 0; row < rows; ++row) {
        painter.fillRect(0, row * pitchY + rowHeight_, gridWidth, kGridLineWidth, gridLineColor_);
    }
}

void StringGrid::drawCell(QPainter& painter, int col, int row, const QRect& rect, bool fixed) {
    drawCellContent(painter, rect, fixed ? fixedColor_ : color_, font(), fontColor_,
                    cellText(col, row));
}

void StringGrid::drawCellContent(QPainter& painter, const QRect& rect, const QColor& background,
                                 const QFont& font, const QColor& textColor, const QString& text) {
    painter.fillRect(rect, background);
    if (text.isEmpty()) {
        return;
    }
    painter.setFont(font);
    painter.setPen(textColor);
    const QRect textRect = rect.adjusted(2, 2, 0, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}
