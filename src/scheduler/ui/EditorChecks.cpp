#include "scheduler/ui/EditorChecks.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include "platform/Platform.h"
#include "settings/Cp1251.h"

namespace editorchecks {

void setUpDatePicker(QDateEdit* picker) {
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    picker->setDisplayFormat(format);
    picker->setCalendarPopup(true);
}

void limitStoredLength(QPlainTextEdit* field, int capacity) {
    const QString text = field->toPlainText();
    qsizetype stored = 0;
    qsizetype keep = 0;
    for (; keep < text.size(); ++keep) {
        stored += text[keep] == QLatin1Char('\n') ? 2 : 1;
        if (stored > capacity) {
            break;
        }
    }
    if (keep == text.size()) {
        return;
    }
    const int position = field->textCursor().position();
    const QSignalBlocker blocker(field);
    field->setPlainText(text.left(keep));
    QTextCursor cursor = field->textCursor();
    cursor.setPosition(int(qMin<qsizetype>(position, keep)));
    field->setTextCursor(cursor);
}

bool storable(Platform& platform, const QString& text) {
    if (cp1251::canEncode(text)) {
        return true;
    }
    // Named by code point, so a character outside the basic plane is one name.
    QList<char32_t> seen;
    QStringList shown;
    for (const char32_t point : text.toUcs4()) {
        const QString one = QString::fromUcs4(&point, 1);
        if (seen.contains(point) || cp1251::canEncode(one)) {
            continue;
        }
        seen << point;
        shown << QStringLiteral("«%1» (U+%2)")
                     .arg(one, QString::number(quint32(point), 16)
                                   .toUpper()
                                   .rightJustified(4, QLatin1Char('0')));
    }
    platform.showMessage(QCoreApplication::translate("editorchecks",
                                                     "Эти знаки нельзя сохранить в расписании: %1. "
                                                     "Замените или удалите их.")
                             .arg(shown.join(QStringLiteral(", "))));
    return false;
}

}  // namespace editorchecks
