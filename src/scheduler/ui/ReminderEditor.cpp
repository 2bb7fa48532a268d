#include "scheduler/ui/ReminderEditor.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "access/ScreenReader.h"
#include "locale/LanguageSections.h"
#include "locale/OkCaption.h"
#include "platform/Platform.h"
#include "scheduler/EntryChecks.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ui/EditorChecks.h"
#include "scheduler/ui/FieldLabel.h"
#include "scheduler/ui/UpDownArrows.h"
#include "settings/DayCount.h"

ReminderEditor::ReminderEditor(DialogContext& context, QWidget* parent)
    : ClockDialog(context.protocol, context.showHelp, kHelpTopic, parent),
      context_(context),
      reminders_(context.state.programFolder),
      texts_(QLatin1String(sections::reminder::kHeader)),
      spokenTexts_(context.state.programFolder, context.state.settings),
      repeatTexts_(context.state.programFolder, context.state.settings) {
    setWindowTitle(QStringLiteral("Напоминания"));
    setFixedSize(397, 273);

    hourField_ = new QLineEdit(QStringLiteral("0"), this);
    hourField_->setGeometry(40, 24, 25, 21);
    hourArrows_ = new UpDownArrows(hourField_, 0, 23, this);
    hourArrows_->setGeometry(65, 24, 15, 21);
    minuteField_ = new QLineEdit(QStringLiteral("0"), this);
    minuteField_->setGeometry(112, 24, 25, 21);
    minuteArrows_ = new UpDownArrows(minuteField_, 0, 59, this);
    minuteArrows_->setGeometry(137, 24, 15, 21);
    hourLabel_ = new FieldLabel(QStringLiteral("час"), hourField_, this);
    minuteLabel_ = new FieldLabel(QStringLiteral("мин."), minuteField_, this);

    dateField_ = new QDateEdit(this);
    dateField_->setGeometry(184, 24, 186, 21);
    editorchecks::setUpDatePicker(dateField_);

    textLabel_ = new QLabel(QStringLiteral("Текст напоминания"), this);
    textLabel_->move(24, 72);
    textLabel_->adjustSize();
    textField_ = new QPlainTextEdit(this);
    textField_->setGeometry(24, 88, 345, 89);
    textField_->setTabChangesFocus(true);
    connect(textField_, &QPlainTextEdit::textChanged, this, &ReminderEditor::keepTextWithinRecord);

    // How it repeats, under the text: a row of its own, so the fields above
    // stay where the original program has them.
    repeatLabel_ = new QLabel(this);
    repeatLabel_->setGeometry(24, 188, 88, 21);
    repeatChoice_ = new QComboBox(this);
    repeatChoice_->setGeometry(112, 188, 257, 21);
    repeatChoice_->addItem(QString(), int(RepeatRule::Never));
    for (const RepeatRule rule : repeatrule::repeating()) {
        repeatChoice_->addItem(QString(), int(rule));
    }
    repeatLabel_->setBuddy(repeatChoice_);
    nameRepeatChoices();

    okButton_ = new QPushButton(QStringLiteral("Ок"), this);
    okButton_->setGeometry(96, 224, 75, 25);
    okButton_->setDefault(false);
    okButton_->setAutoDefault(false);
    cancelButton_ = new QPushButton(QStringLiteral("Отмена"), this);
    cancelButton_->setGeometry(224, 224, 75, 25);
    cancelButton_->setAutoDefault(false);
    connect(okButton_, &QPushButton::clicked, this, &ReminderEditor::addReminder);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    setConfirmButton(okButton_);
    nameControls();

    setTabOrder(hourField_, minuteField_);
    setTabOrder(minuteField_, hourArrows_);
    setTabOrder(hourArrows_, minuteArrows_);
    setTabOrder(minuteArrows_, dateField_);
    setTabOrder(dateField_, textField_);
    setTabOrder(textField_, repeatChoice_);
    setTabOrder(repeatChoice_, okButton_);
    setTabOrder(okButton_, cancelButton_);
}

void ReminderEditor::activated() {
    if (returningFromOwnBox()) {
        return;  // back from its own box: the fields stay as the user left them
    }
    textField_->clear();
    textField_->setFocus();
    repeatChoice_->setCurrentIndex(0);
    repeatTexts_.reload(context_.state.programFolder, context_.state.settings);
    nameRepeatChoices();
    // An unreadable language file is reported by the section; the controls
    // then keep their texts, and the fields are reset all the same.
    if (texts_.load(context_.state.programFolder, context_.state.settings, &context_.platform)) {
        setWindowTitle(texts_.line(sections::reminder::Caption));
        hourLabel_->setText(texts_.line(sections::reminder::HourLabel));
        minuteLabel_->setText(texts_.line(sections::reminder::MinuteLabel));
        textLabel_->setText(texts_.line(sections::reminder::TextLabel));
        textLabel_->adjustSize();
        cancelButton_->setText(texts_.line(sections::reminder::CancelButton));
        okButton_->setText(okcaption::beside(texts_.line(sections::reminder::CancelButton)));
        nameControls();
    }
    const QDateTime now = context_.platform.now();
    hourField_->setText(now.toString(QStringLiteral("HH")));
    minuteField_->setText(now.toString(QStringLiteral("mm")));
    dateField_->setDate(now.date());
}

// The fields are named by their labels; what shows no text of its own (the
// date, the arrows) is named for a screen reader while one listens.
void ReminderEditor::nameControls() {
    hourField_->setAccessibleName(hourLabel_->text());
    minuteField_->setAccessibleName(minuteLabel_->text());
    textField_->setAccessibleName(textLabel_->text());
    if (!screenreader::listening()) {
        return;
    }
    dateField_->setAccessibleName(spokenTexts_.line(sections::access::DateField));
    for (UpDownArrows* arrows : {hourArrows_, minuteArrows_}) {
        arrows->setButtonNames(spokenTexts_.line(sections::access::UpArrow),
                               spokenTexts_.line(sections::access::DownArrow));
    }
}

// The label names the choice for a screen reader too: it shows no text of
// its own but the rule chosen.
void ReminderEditor::nameRepeatChoices() {
    repeatLabel_->setText(repeatTexts_.line(sections::repeat::RepeatLabel));
    for (int i = 0; i < repeatChoice_->count(); ++i) {
        repeatChoice_->setItemText(
            i, repeatTexts_.ruleName(RepeatRule(repeatChoice_->itemData(i).toInt())));
    }
    repeatChoice_->setAccessibleName(repeatLabel_->text());
}

// The stored text counts each line break as CR LF; the field takes no more
// than the record keeps.
void ReminderEditor::keepTextWithinRecord() {
    editorchecks::limitStoredLength(textField_, ReminderRecord::kTextCapacity);
}

void ReminderEditor::addReminder() {
    const ScheduleTime::Checked time = EntryChecks::time(hourField_->text(), minuteField_->text());
    if (!time.ok()) {
        context_.platform.showMessage(time.problem);
        return;
    }
    const QString text = textField_->toPlainText();
    if (!editorchecks::storable(context_.platform, text)) {
        return;
    }
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(dateField_->date()));
    rec.setTime(time.time);
    rec.setText(text);
    // After a failed write the dialog stays open with what the user typed.
    const auto rule = RepeatRule(repeatChoice_->currentData().toInt());
    bool added = false;
    if (const QString error = reminders_.add(rec, rule, &added); !error.isEmpty()) {
        context_.platform.showError(error);
        if (!added) {
            return;
        }
        // The reminder is in, without its rule: a second OK would add it twice.
    }
    accept();
}

void ReminderEditor::closed() {
    context_.state.reloadReminders = true;
}
