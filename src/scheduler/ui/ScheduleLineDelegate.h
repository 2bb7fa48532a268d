#pragma once

#include <QImage>
#include <QStyledItemDelegate>

class ProgramFolder;

// Draws one line of the schedule list: the kind's icon, scaled into a box
// twice as wide as it is high at (2, 2) with its bottom-left pixel's colour
// transparent, and the line's text from 40 pixels on. The icons are read from
// "\system\r.bmp" (launch) and "\system\m.bmp" (reminder) by loadIcons, which
// the list calls each time it is filled, so a changed installation shows at
// the next opening; a missing icon leaves its place empty.
class ScheduleLineDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    static constexpr int kLineHeight = 19;
    static constexpr int kKindRole = Qt::UserRole;  // int(ScheduleKind)

    explicit ScheduleLineDelegate(const ProgramFolder& folder, QObject* parent = nullptr);

    void loadIcons();
    static QString singleLine(const QString& text);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // Every line is as wide as the widest text plus 42 pixels, so long lines
    // can be scrolled into view; the list's lines are all of one size.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const ProgramFolder& folder_;
    QImage reminderIcon_;
    QImage launchIcon_;
};
