#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <functional>

#include "scheduler/ScheduleLines.h"

class QFontMetrics;

// The schedule list's lines for a list view. Rows are handed to the view a
// batch at a time as it scrolls (canFetchMore/fetchMore), and a line's text
// is made only when it is shown.
class ScheduleListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int kBatch = 256;

    explicit ScheduleListModel(QObject* parent = nullptr);

    // Replaces every line; the first batch is handed out at once.
    void setLines(ScheduleLines lines);
    // The names shown beside a repeating reminder, by rule.
    void setRuleNames(std::function<QString(RepeatRule)> names) { ruleNames_ = std::move(names); }
    qsizetype lineCount() const { return lines_.size(); }
    const ScheduleEntry& entry(int row) const { return lines_.entry(row); }
    // Takes out every line of `kind` whose day and time are `key`'s, as the
    // files remove a key's records together; the others keep their order.
    // The row of the first line taken out, or -1 when there was none.
    int removeKey(ScheduleKind kind, const ScheduleKey& key);

    // The width of the widest line in the font, the hidden ones too: the
    // widest by a sum of character widths, measured whole. Kept until the
    // lines or the font change.
    int widestLine(const QFontMetrics& metrics, const QFont& font) const;

    // The words a screen reader says before a line of each kind, which the
    // list shows by an icon alone. Until they are given it reads the bare lines.
    void setSpokenKinds(const QString& reminder, const QString& launch);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    ScheduleLines lines_;
    QString spokenReminder_;
    QString spokenLaunch_;
    std::function<QString(RepeatRule)> ruleNames_;
    int shown_ = 0;
    mutable int widest_ = -1;
    mutable QFont widestFont_;
};
