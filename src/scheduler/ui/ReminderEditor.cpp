#include "scheduler/ui/ReminderEditor.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>

#include "locale/LanguageSections.h"
#include "platform/Platform.h"
#include "scheduler/EntryChecks.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ui/UpDownArrows.h"
#include "settings/DayCount.h"
#include "texts/DialogTexts.h"

ReminderEditor::ReminderEditor(DialogContext& context, QWidget* parent)
    : EntryEditor(context, kHelpTopic, sections::reminder::kHeader,
                  {.minuteLeft = 112, .dateLeft = 184, .buttonsTop = 224, .okLeft = 96},
                  {dialogtexts::reminderHourLabel(), dialogtexts::reminderMinuteLabel()}, parent),
      reminders_(context.state.programFolder),
      repeatTexts_(context.state.programFolder, context.state.settings) {
    setWindowTitle(dialogtexts::reminderEditorCaption());
    setFixedSize(397, 273);

    textLabel_ = new QLabel(dialogtexts::reminderTextLabel(), this);
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

    connect(okButton(), &QPushButton::clicked, this, &ReminderEditor::addReminder);
    nameTimeControls();
    textField_->setAccessibleName(textLabel_->text());

    setTabOrder(hourField(), minuteField());
    setTabOrder(minuteField(), hourArrows());
    setTabOrder(hourArrows(), minuteArrows());
    setTabOrder(minuteArrows(), dateField());
    setTabOrder(dateField(), textField_);
    setTabOrder(textField_, repeatChoice_);
    setTabOrder(repeatChoice_, okButton());
    setTabOrder(okButton(), cancelButton());
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
    if (loadTexts()) {
        setWindowTitle(texts_.line(sections::reminder::Caption));
        takeTexts(sections::reminder::HourLabel, sections::reminder::MinuteLabel,
                  sections::reminder::CancelButton);
        textLabel_->setText(texts_.line(sections::reminder::TextLabel));
        textLabel_->adjustSize();
        nameTimeControls();
        textField_->setAccessibleName(textLabel_->text());
    }
    showCurrentTime();
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
    const QString text = textField_->toPlainText();
    const qsizetype keep = EntryChecks::fittingLength(text, ReminderRecord::kTextCapacity);
    if (keep == text.size()) {
        return;
    }
    const int position = textField_->textCursor().position();
    const QSignalBlocker blocker(textField_);
    textField_->setPlainText(text.left(keep));
    QTextCursor cursor = textField_->textCursor();
    cursor.setPosition(int(qMin<qsizetype>(position, keep)));
    textField_->setTextCursor(cursor);
}

void ReminderEditor::addReminder() {
    const std::optional<QString> time = enteredTime();
    const QString text = textField_->toPlainText();
    if (!time || !storable(text)) {
        return;
    }
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(dateField()->date()));
    rec.setTime(*time);
    rec.setText(text);
    // After a failed write the dialog stays open with what the user typed.
    const auto rule = RepeatRule(repeatChoice_->currentData().toInt());
    bool added = false;
    if (const Expected<void> done = reminders_.add(rec, rule, &added); !done) {
        context_.platform.showError(done.error());
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
