#include "platform/linux/MessageBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace messagebox {
namespace {
const QString kTitle = QStringLiteral("Chronidex");
const QChar kBreak(0x200B);  // zero width space: a place to wrap, never drawn
// Longer runs without a space do not fit the width a box allows itself.
constexpr int kLongestWord = 30;
// Without an icon Qt still keeps a spacer where the icon would stand, and the
// text starts behind an empty gutter: a reminder should read as a message.
// The text takes the icon's column as well.
void dropIconGutter(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!grid || !text || grid->indexOf(text) < 0) {
        return;
    }
    for (int i = grid->count() - 1; i >= 0; --i) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(i, &row, &column, &rows, &columns);
        if (column == 0 && columns == 1 && grid->itemAt(i)->spacerItem()) {
            delete grid->takeAt(i);
        }
    }
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(text), &row, &column, &rows, &columns);
    grid->removeWidget(text);
    grid->addWidget(text, row, 0, rows, column + columns);
}

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

std::unique_ptr<QMessageBox> make(QMessageBox::Icon icon, const QString& text,
                                  const QString& okCaption) {
    auto box = std::make_unique<QMessageBox>(icon, kTitle, displayText(text), QMessageBox::Ok);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setTextFormat(Qt::PlainText);
    box->button(QMessageBox::Ok)->setText(okCaption);
    // A screen reader reads the text as written, without the break
    // opportunities put in for the eye.
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setAccessibleName(plainText(box->text()));
    }
    if (icon == QMessageBox::NoIcon) {
        dropIconGutter(*box);
    }
    return box;
}

void show(QMessageBox::Icon icon, const QString& text, const QString& okCaption) {
    make(icon, text, okCaption)->exec();
}

}  // namespace messagebox
