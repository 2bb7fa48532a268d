#include "scheduler/ui/EditorChecks.h"

#include <QDateEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include "platform/Platform.h"
#include "scheduler/EntryChecks.h"

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
    const qsizetype keep = EntryChecks::fittingLength(text, capacity);
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
    const QString problem = EntryChecks::unstorableProblem(text);
    if (problem.isEmpty()) {
        return true;
    }
    platform.showMessage(problem);
    return false;
}

}  // namespace editorchecks
