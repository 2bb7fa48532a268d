#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <utility>

#include "platform/linux/MessageBox.h"

TEST(MessageBox, ShowsEachCarriageReturnAsALineBreak) {
    EXPECT_EQ(messagebox::displayText(QStringLiteral("head\r01.02.2026 в 10:30\rtext\r\nmore")),
              QStringLiteral("head\n01.02.2026 в 10:30\ntext\nmore"));
}

// A reminder of 150 letters without a space, or a long launch path, used to
// run off the box's right edge on one line.
TEST(MessageBox, ALongWordIsWrappedWithinTheScreenAndKeptWhole) {
    const QString header = QStringLiteral("Напоминание\r08.12.2026 в 10:30\r");
    for (const QString& word : {QString(150, QLatin1Char('W')), QString(150, QLatin1Char('7')),
                                QStringLiteral("/home/user/") + QString(240, QLatin1Char('x'))}) {
        const auto box = messagebox::make(QMessageBox::NoIcon, header + word, QStringLiteral("Ок"));
        box->show();
        const QLabel* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(messagebox::plainText(label->text()),
                  QStringLiteral("Напоминание\n08.12.2026 в 10:30\n") + word);
        // A screen reader reads the text as written, without the wrap marks.
        EXPECT_EQ(label->accessibleName(),
                  QStringLiteral("Напоминание\n08.12.2026 в 10:30\n") + word);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_LE(box->width(), screen.width());
        // Every character is inside the label: the wrapped text needs no more
        // width than the label has.
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 100000),
                                                  Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), label->width());
        EXPECT_LE(needed.height(), label->height());
        box->hide();
    }
}

// A notice has no icon, and its text starts at the box's margin, level with
// the button row, not behind the room an icon would take.
TEST(MessageBox, ATextWithoutAnIconStartsAtTheMargin) {
    const auto box = messagebox::make(QMessageBox::NoIcon, QStringLiteral("Позвонить маме"),
                                      QStringLiteral("Ок"));
    box->show();
    const QLabel* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->x(), box->layout()->contentsMargins().left());
    box->hide();
}

TEST(MessageBox, ShortWordsAreLeftAsTheyAre) {
    const QString text = QStringLiteral("Купить хлеб и молоко");
    EXPECT_EQ(messagebox::displayText(text), text);
}
