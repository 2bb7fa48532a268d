#include "cli/EntryArguments.h"

#include <QRegularExpression>

#include "scheduler/EntryChecks.h"

Expected<QString> EntryArguments::parseTime(const QString& text) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        return Failure{QStringLiteral("The time must be given as HH:MM, not \"%1\".").arg(text)};
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

Expected<EntryArguments> EntryArguments::parse(const QStringList& arguments, const QDateTime& now) {
    if (arguments.isEmpty()) {
        return Failure{QStringLiteral("A time HH:MM is missing.")};
    }
    const Expected<QString> time = parseTime(arguments.first());
    if (!time) {
        return Failure{time.error()};
    }
    EntryArguments result;
    result.time = *time;
    qsizetype next = 1;
    if (next < arguments.size() && looksLikeDay(arguments[next])) {
        result.day = parseDay(arguments[next]);
        if (!result.day.isValid()) {
            return Failure{QStringLiteral("There is no day %1.").arg(arguments[next])};
        }
        ++next;
    } else {
        result.day = now.date();
        // "hh:nn" compares as text in the order of the times.
        if (result.time < now.toString(QStringLiteral("HH:mm"))) {
            return Failure{QStringLiteral("%1 has already passed today; give a day (DD.MM.YYYY) "
                                          "to schedule it for another day.")
                               .arg(result.time)};
        }
    }
    result.rest = arguments.mid(next);
    return result;
}
