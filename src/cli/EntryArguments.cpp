#include "cli/EntryArguments.h"

#include <QRegularExpression>

#include "scheduler/EntryChecks.h"

ScheduleTime::Checked EntryArguments::parseTime(const QString& text) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        ScheduleTime::Checked wrong;
        wrong.problem = QStringLiteral("The time must be given as HH:MM, not \"%1\".").arg(text);
        return wrong;
    }
    return EntryChecks::time(text.left(colon), text.mid(colon + 1));
}

bool EntryArguments::looksLikeDay(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^\\d{1,2}\\.\\d{1,2}\\.\\d{4}$"));
    return form.match(text).hasMatch();
}

QDate EntryArguments::parseDay(const QString& text) {
    if (!looksLikeDay(text)) {
        return {};
    }
    return QDate::fromString(text, QStringLiteral("d.M.yyyy"));
}

EntryArguments EntryArguments::parse(const QStringList& arguments, const QDateTime& now) {
    EntryArguments result;
    if (arguments.isEmpty()) {
        result.problem = QStringLiteral("A time HH:MM is missing.");
        return result;
    }
    const ScheduleTime::Checked checked = parseTime(arguments.first());
    if (!checked.ok()) {
        result.problem = checked.problem;
        return result;
    }
    result.time = checked.time;
    qsizetype next = 1;
    if (next < arguments.size() && looksLikeDay(arguments[next])) {
        result.day = parseDay(arguments[next]);
        if (!result.day.isValid()) {
            result.problem = QStringLiteral("There is no day %1.").arg(arguments[next]);
            return result;
        }
        ++next;
    } else {
        result.day = now.date();
        // "hh:nn" compares as text in the order of the times.
        if (result.time < now.toString(QStringLiteral("HH:mm"))) {
            result.problem = QStringLiteral(
                                 "%1 has already passed today; give a day (DD.MM.YYYY) "
                                 "to schedule it for another day.")
                                 .arg(result.time);
            return result;
        }
    }
    result.rest = arguments.mid(next);
    return result;
}
