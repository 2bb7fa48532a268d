#include "scheduler/ReminderRecord.h"

namespace {
// Every LF becomes CR LF; a CR LF pair stays one line break.
QString withCrLf(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n') && (i == 0 || text[i - 1] != QLatin1Char('\r'))) {
            out += QLatin1Char('\r');
        }
        out += c;
    }
    return out;
}
}  // namespace

ReminderRecord ReminderRecord::fromBytes(const QByteArray& bytes) {
    ReminderRecord rec;
    rec.takeBytes(bytes);
    return rec;
}

void ReminderRecord::setText(const QString& text) {
    setTailBytes(cp1251::encode(withCrLf(text)));
}
