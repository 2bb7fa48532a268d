#pragma once

#include <QStyledItemDelegate>

class ProgramFolder;

// Draws one line of the schedule list: the kind's icon, scaled into a box
// twice as wide as it is high at (2, 2) with its bottom-left pixel's colour
// transparent, and the line's text from 40 pixels on. The icons are read from
// "\system\r.bmp" (launch) and "\system\m.bmp" (reminder) for every line, so
// a changed installation shows at once; a missing icon leaves its place empty.
class ScheduleLineDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    static constexpr int kLineHeight = 19;
    static constexpr int kKindRole = Qt::UserRole;  // int(ScheduleKind)

    explicit ScheduleLineDelegate(const ProgramFolder& folder, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // As wide as the text plus 42 pixels, so long lines can be scrolled into view.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const ProgramFolder& folder_;
};
