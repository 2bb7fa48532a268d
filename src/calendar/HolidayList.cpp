#include "calendar/HolidayList.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

namespace holidaylist {

std::optional<qint32> integerValue(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' ')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    // Accumulated as a negative number, which reaches one further than a
    // positive one, so the smallest 32-bit value parses too.
    constexpr qint64 kLowest = std::numeric_limits<qint32>::min();
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
        value = value * 10 - (c.unicode() - '0');
        if (value < kLowest) {
            return std::nullopt;
        }
    }
    if (!negative) {
        if (value == kLowest) {
            return std::nullopt;
        }
        value = -value;
    }
    return qint32(value);
}

QString notAnInteger(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

bool isPlaceholder(const QStringList& entries) {
    return entries.size() == 1 && entries.first().isEmpty();
}

// The exchange sort itself takes n passes over n entries, far too slow for a
// file of many thousand lines. Its outcome is reproduced directly: every pass
// meets every pair, so an entry that is not a number stops the very first
// pass, after that pass has run over the entries above it; without one, the
// passes end in a stable sort by value.
QString sortByDay(QStringList& entries) {
    const qsizetype n = entries.size();
    if (n < 2) {
        return QString();
    }
    std::vector<qint32> values;
    values.reserve(size_t(n));
    for (qsizetype k = 0; k < n; ++k) {
        const std::optional<qint32> value = integerValue(entries.at(k));
        if (!value) {
            for (qsizetype i = 0; i + 1 < k; ++i) {
                if (values[size_t(i)] > values[size_t(i + 1)]) {
                    std::swap(values[size_t(i)], values[size_t(i + 1)]);
                    entries.swapItemsAt(i, i + 1);
                }
            }
            return notAnInteger(entries.at(k));
        }
        values.push_back(*value);
    }
    std::vector<qsizetype> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return values[size_t(a)] < values[size_t(b)];
    });
    QStringList sorted;
    sorted.reserve(n);
    for (const qsizetype i : order) {
        sorted.append(entries.at(i));
    }
    entries = sorted;
    return QString();
}

QString add(QStringList& entries, const QString& text) {
    entries.removeAll(QString());
    entries.append(text);
    return sortByDay(entries);
}

}  // namespace holidaylist
