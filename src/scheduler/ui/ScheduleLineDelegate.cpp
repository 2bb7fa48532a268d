#include "scheduler/ui/ScheduleLineDelegate.h"

#include <QImage>
#include <QPainter>

#include "scheduler/ScheduleKind.h"
#include "scheduler/ui/ScheduleListModel.h"
#include "settings/FormatNames.h"
#include "settings/ProgramFolder.h"

namespace {

QImage iconWithTransparentKey(const QString& path) {
    QImage image(path);
    if (image.isNull()) {
        return image;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return image;
}

}  // namespace

ScheduleLineDelegate::ScheduleLineDelegate(const ProgramFolder& folder, QObject* parent)
    : QStyledItemDelegate(parent), folder_(folder) {}

QString ScheduleLineDelegate::singleLine(const QString& text) {
    QString flat = text;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat;
}

void ScheduleLineDelegate::loadIcons() {
    reminderIcon_ = iconWithTransparentKey(folder_.path(formatnames::reminderIcon()));
    launchIcon_ = iconWithTransparentKey(folder_.path(formatnames::launchIcon()));
}

void ScheduleLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QRect rect = option.rect;
    const int h = rect.height();
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(rect, selected ? option.palette.highlight() : option.palette.base());

    const bool launch = index.data(kKindRole).toInt() == int(ScheduleKind::Launches);
    const QImage& icon = launch ? launchIcon_ : reminderIcon_;
    if (!icon.isNull()) {
        painter->drawImage(QRect(rect.left() + 2, rect.top() + 2, 2 * (h - 2), h - 2), icon);
    }

    painter->setPen(selected ? option.palette.highlightedText().color()
                             : option.palette.text().color());
    painter->setFont(option.font);
    const QRect textRect(rect.left() + 2 * (h + 1), rect.top(), rect.width(), h);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      singleLine(index.data(Qt::DisplayRole).toString()));
    painter->restore();
}

QSize ScheduleLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    if (const auto* model = qobject_cast<const ScheduleListModel*>(index.model())) {
        return {model->widestLine(option.fontMetrics, option.font) + 42, kLineHeight};
    }
    const QString text = singleLine(index.data(Qt::DisplayRole).toString());
    return {option.fontMetrics.horizontalAdvance(text) + 42, kLineHeight};
}
