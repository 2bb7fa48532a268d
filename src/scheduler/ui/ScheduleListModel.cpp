#include "scheduler/ui/ScheduleListModel.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>

#include "scheduler/ui/ScheduleLineDelegate.h"
#include "settings/Cp1251.h"

ScheduleListModel::ScheduleListModel(QObject* parent) : QAbstractListModel(parent) {}

void ScheduleListModel::setLines(ScheduleLines lines) {
    beginResetModel();
    lines_ = std::move(lines);
    shown_ = 0;
    widest_ = -1;
    endResetModel();
    fetchMore({});
}

int ScheduleListModel::removeKey(ScheduleKind kind, const ScheduleKey& key) {
    int first = -1;
    // From the end, so that the rows still to look at keep their numbers.
    for (qsizetype row = lines_.size() - 1; row >= 0; --row) {
        const ScheduleEntry& line = lines_.entry(row);
        if (line.kind != kind || !(line.key() == key)) {
            continue;
        }
        first = static_cast<int>(row);
        if (row < shown_) {
            beginRemoveRows({}, first, first);
            lines_.removeAt(row);
            --shown_;
            endRemoveRows();
        } else {
            lines_.removeAt(row);  // not handed to the view yet
        }
    }
    widest_ = -1;
    return first;
}

void ScheduleListModel::setSpokenKinds(const QString& reminder, const QString& launch) {
    spokenReminder_ = reminder;
    spokenLaunch_ = launch;
}

int ScheduleListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

QVariant ScheduleListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole: {
            // The rule goes between the day and the text, where a long text
            // cannot push it out of sight.
            const RepeatRule rule = lines_.rule(index.row());
            if (rule == RepeatRule::Never || !ruleNames_) {
                return lines_.text(index.row());
            }
            const ScheduleEntry& entry = lines_.entry(index.row());
            return entry.time().leftJustified(5, QLatin1Char(' ')) + QStringLiteral("  ") +
                   ScheduleLines::dateText(entry.day()) + QStringLiteral("  [") + ruleNames_(rule) +
                   QStringLiteral("]  ") + entry.text();
        }
        case ScheduleLineDelegate::kKindRole:
            return int(lines_.entry(index.row()).kind);
        case Qt::AccessibleTextRole: {
            const QString& kind = lines_.entry(index.row()).kind == ScheduleKind::Reminders
                                      ? spokenReminder_
                                      : spokenLaunch_;
            if (kind.isEmpty()) {
                return {};
            }
            // What the line shows, its rule too.
            return kind + QStringLiteral(": ") + data(index, Qt::DisplayRole).toString();
        }
        default:
            return {};
    }
}

bool ScheduleListModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && shown_ < lines_.size();
}

void ScheduleListModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) {
        return;
    }
    const int more = int(qMin<qsizetype>(kBatch, lines_.size() - shown_));
    beginInsertRows({}, shown_, shown_ + more - 1);
    shown_ += more;
    endInsertRows();
}

int ScheduleListModel::widestLine(const QFontMetrics& metrics, const QFont& font) const {
    if (widest_ >= 0 && font == widestFont_) {
        return widest_;
    }
    // The time and the day take nearly the same width on every line, so the
    // text decides; line breaks are drawn as spaces. Each stored byte stands
    // for one character, so the widths are looked up by byte.
    std::array<int, 256> advance;
    advance.fill(-1);
    const auto width = [&](char byte) {
        int& w = advance[static_cast<unsigned char>(byte)];
        if (w < 0) {
            char16_t c = cp1251::decodeByte(byte);
            if (c == u'\r' || c == u'\n') {
                c = u' ';
            }
            w = metrics.horizontalAdvance(QChar(c));
        }
        return w;
    };
    qsizetype widestRow = -1;
    qint64 widestSum = -1;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        qint64 sum = 0;
        for (const char byte : lines_.entry(i).textBytes()) {
            sum += width(byte);
        }
        if (sum > widestSum) {
            widestSum = sum;
            widestRow = i;
        }
    }
    widest_ =
        widestRow < 0
            ? 0
            : metrics.horizontalAdvance(ScheduleLineDelegate::singleLine(lines_.text(widestRow)));
    // A repeating line shows its rule too: room for the longest name, on
    // whichever line it stands.
    if (widestRow >= 0 && lines_.mayRepeat() && ruleNames_) {
        int rule = 0;
        for (const RepeatRule each : repeatrule::repeating()) {
            rule = std::max(
                rule, metrics.horizontalAdvance(QStringLiteral("[%1]  ").arg(ruleNames_(each))));
        }
        widest_ += rule;
    }
    widestFont_ = font;
    return widest_;
}
