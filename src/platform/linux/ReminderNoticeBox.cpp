#include "platform/linux/ReminderNoticeBox.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/linux/MessageBox.h"

namespace {
// As wide as a message box lets its text grow before it wraps.
constexpr int kWidestText = 420;
constexpr int kNarrowestText = 200;
}  // namespace

ReminderNoticeBox::ReminderNoticeBox(const QString& text, const PutOffChoice& later,
                                     const QString& okCaption, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Chronidex"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    const QString shown = messagebox::displayText(text);
    text_ = new QLabel(shown, this);
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Read as written, without the break opportunities put in for the eye.
    text_->setAccessibleName(messagebox::plainText(shown));
    int widest = 0;
    for (const QString& line : shown.split(QLatin1Char('\n'))) {
        widest = qMax(widest, text_->fontMetrics().horizontalAdvance(line));
    }
    text_->setMinimumWidth(qBound(kNarrowestText, widest + 2, kWidestText));

    ok_ = new QPushButton(okCaption, this);
    ok_->setDefault(true);
    minutes_ = new QComboBox(this);
    for (int span : later.minutes) {
        minutes_->addItem(QString::number(span) + QLatin1Char(' ') + later.minuteUnit, span);
    }
    minutes_->setCurrentIndex(qMax(0, minutes_->findData(later.preselected)));
    minutes_->setAccessibleName(later.chooserName);
    later_ = new QPushButton(later.laterCaption, this);
    later_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addStretch(1);
    buttons->addWidget(minutes_);
    buttons->addWidget(later_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(text_);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(later_, &QPushButton::clicked, this, &ReminderNoticeBox::putOff);
    ok_->setFocus();
}

void ReminderNoticeBox::putOff() {
    answer_.choice = ReminderAnswer::Choice::PutOff;
    answer_.minutes = minutes_->currentData().toInt();
    accept();
}

ReminderAnswer ReminderNoticeBox::ask(const QString& text, const PutOffChoice& later,
                                      const QString& okCaption) {
    ReminderNoticeBox box(text, later, okCaption);
    box.exec();
    return box.answer();
}
