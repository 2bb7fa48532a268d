#include "scheduler/ScheduleListing.h"

#include <algorithm>

#include "scheduler/ScheduleEntry.h"
#include "scheduler/ScheduleLines.h"

QString ScheduleListing::dateText(const QDate& day) {
    int y = 0;
    int m = 0;
    int d = 0;
    day.getDate(&y, &m, &d);
    if (y < 1 || y > 9999) {
        // No day, a year before Christ or past 9999: as Qt writes it, cut or padded.
        return day.toString(QStringLiteral("dd.MM.yyyy")).leftJustified(10, QLatin1Char(' '), true);
    }
    const char16_t text[10] = {
        char16_t(u'0' + d / 10),   char16_t(u'0' + d % 10),       u'.',
        char16_t(u'0' + m / 10),   char16_t(u'0' + m % 10),       u'.',
        char16_t(u'0' + y / 1000), char16_t(u'0' + y / 100 % 10), char16_t(u'0' + y / 10 % 10),
        char16_t(u'0' + y % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

ScheduleLine ScheduleListing::line(ScheduleKind kind, const QByteArray& record) {
    const ScheduleEntry entry = ScheduleEntry::fromRecord(kind, record);
    return {ScheduleLines::text(entry), kind, entry.key()};
}

// Rounds of adjacent exchanges on a strictly greater key sort stably, so a
// stable sort gives the same order without their quadratic time on a large file.
void ScheduleListing::sort(QList<ScheduleLine>& lines) {
    const auto byPart = [](qsizetype from, qsizetype count) {
        return [from, count](const ScheduleLine& a, const ScheduleLine& b) {
            return QStringView(a.text).mid(from, count) < QStringView(b.text).mid(from, count);
        };
    };
    std::stable_sort(lines.begin(), lines.end(), byPart(0, 5));
    std::stable_sort(lines.begin(), lines.end(), byPart(7, 11));
}

QList<ScheduleLine> ScheduleListing::read(const ProgramFolder& folder) {
    const ScheduleLines lines = ScheduleLines::read(folder);
    QList<ScheduleLine> out;
    out.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ScheduleEntry& entry = lines.entry(i);
        out.append({lines.text(i), entry.kind, entry.key()});
    }
    return out;
}
