#include "platform/linux/MessageBox.h"

#include <QPushButton>

#include "locale/OkCaption.h"

namespace messagebox {
namespace {
const QString kTitle = QStringLiteral("Chronidex");
const QChar kBreak(0x200B);  // zero width space: a place to wrap, never drawn
// Longer runs without a space do not fit the width a box allows itself.
constexpr int kLongestWord = 30;
}  // namespace

QString displayText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString shown;
    shown.reserve(lines.size());
    int run = 0;
    for (const QChar c : lines) {
        if (c.isSpace()) {
            run = 0;
        } else if (++run > kLongestWord) {
            shown += kBreak;
        }
        shown += c;
    }
    return shown;
}

QString plainText(const QString& shown) {
    QString text = shown;
    text.remove(kBreak);
    return text;
}

std::unique_ptr<QMessageBox> make(QMessageBox::Icon icon, const QString& text) {
    auto box = std::make_unique<QMessageBox>(icon, kTitle, displayText(text), QMessageBox::Ok);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setTextFormat(Qt::PlainText);
    box->button(QMessageBox::Ok)->setText(okcaption::beside(text));
    return box;
}

void show(QMessageBox::Icon icon, const QString& text) {
    make(icon, text)->exec();
}

}  // namespace messagebox
