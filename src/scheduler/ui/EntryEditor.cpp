#include "scheduler/ui/EntryEditor.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "access/ScreenReader.h"
#include "locale/LanguageSections.h"
#include "locale/OkCaption.h"
#include "platform/Platform.h"
#include "scheduler/EntryChecks.h"
#include "scheduler/ui/FieldLabel.h"
#include "scheduler/ui/UpDownArrows.h"
#include "texts/DialogTexts.h"

namespace {

// A drop-down calendar showing the system's short date, with the year in
// four digits so that no century is guessed.
void setUpDatePicker(QDateEdit* picker) {
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    picker->setDisplayFormat(format);
    picker->setCalendarPopup(true);
}

}  // namespace

EntryEditor::EntryEditor(DialogContext& context, int helpTopic, const char* sectionHeader,
                         const Layout& layout, const Captions& captions, QWidget* parent)
    : ClockDialog(context.protocol, context.showHelp, helpTopic, parent),
      context_(context),
      texts_(QLatin1String(sectionHeader)),
      spokenTexts_(context.state.programFolder, context.state.settings) {
    hourField_ = new QLineEdit(QStringLiteral("0"), this);
    hourField_->setGeometry(40, 24, 25, 21);
    hourArrows_ = new UpDownArrows(hourField_, 0, 23, this);
    hourArrows_->setGeometry(65, 24, 15, 21);
    minuteField_ = new QLineEdit(QStringLiteral("0"), this);
    minuteField_->setGeometry(layout.minuteLeft, 24, 25, 21);
    minuteArrows_ = new UpDownArrows(minuteField_, 0, 59, this);
    minuteArrows_->setGeometry(layout.minuteLeft + 25, 24, 15, 21);
    hourLabel_ = new FieldLabel(captions.hour, hourField_, this);
    minuteLabel_ = new FieldLabel(captions.minute, minuteField_, this);
    dateField_ = new QDateEdit(this);
    dateField_->setGeometry(layout.dateLeft, 24, 186, 21);
    setUpDatePicker(dateField_);

    okButton_ = new QPushButton(dialogtexts::ok(), this);
    okButton_->setGeometry(layout.okLeft, layout.buttonsTop, 75, 25);
    okButton_->setAutoDefault(false);
    cancelButton_ = new QPushButton(dialogtexts::cancel(), this);
    cancelButton_->setGeometry(224, layout.buttonsTop, 75, 25);
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    setConfirmButton(okButton_);
}

// An unreadable language file is reported by the section; the controls then
// keep their texts.
bool EntryEditor::loadTexts() {
    return texts_.load(context_.state.programFolder, context_.state.settings, &context_.platform);
}

void EntryEditor::takeTexts(int hourLine, int minuteLine, int cancelLine) {
    hourLabel_->setText(texts_.line(hourLine));
    minuteLabel_->setText(texts_.line(minuteLine));
    cancelButton_->setText(texts_.line(cancelLine));
    okButton_->setText(okcaption::beside(texts_.line(cancelLine)));
}

void EntryEditor::showCurrentTime() {
    const QDateTime now = context_.platform.now();
    hourField_->setText(now.toString(QStringLiteral("HH")));
    minuteField_->setText(now.toString(QStringLiteral("mm")));
    dateField_->setDate(now.date());
}

// The fields are named by their labels; what shows no text of its own (the
// date, the arrows) is named for a screen reader while one listens.
void EntryEditor::nameTimeControls() {
    hourField_->setAccessibleName(hourLabel_->text());
    minuteField_->setAccessibleName(minuteLabel_->text());
    if (!screenreader::listening()) {
        return;
    }
    dateField_->setAccessibleName(spokenTexts_.line(sections::access::DateField));
    for (UpDownArrows* arrows : {hourArrows_, minuteArrows_}) {
        arrows->setButtonNames(spokenTexts_.line(sections::access::UpArrow),
                               spokenTexts_.line(sections::access::DownArrow));
    }
}

std::optional<QString> EntryEditor::enteredTime() {
    const Expected<QString> time = EntryChecks::time(hourField_->text(), minuteField_->text());
    if (!time) {
        context_.platform.showMessage(time.error());
        return std::nullopt;
    }
    return *time;
}

bool EntryEditor::storable(const QString& text) {
    const Expected<void> storable = EntryChecks::storable(text);
    if (!storable) {
        context_.platform.showMessage(storable.error());
    }
    return storable.ok();
}
