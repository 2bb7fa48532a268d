#include "scheduler/ui/LaunchEditor.h"

#include <QDateEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "locale/LanguageSections.h"
#include "platform/Platform.h"
#include "scheduler/EntryChecks.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ui/FieldLabel.h"
#include "scheduler/ui/UpDownArrows.h"
#include "settings/DayCount.h"
#include "texts/DialogTexts.h"

LaunchEditor::LaunchEditor(DialogContext& context, QWidget* parent)
    : EntryEditor(context, kHelpTopic, sections::launch::kHeader,
                  {.minuteLeft = 122, .dateLeft = 192, .buttonsTop = 144, .okLeft = 104},
                  {dialogtexts::launchHourLabel(), dialogtexts::launchMinuteLabel()}, parent),
      files_(context.state.programFolder) {
    setWindowTitle(dialogtexts::launchEditorCaption());
    setFixedSize(401, 183);

    pathField_ = new QLineEdit(this);
    pathField_->setGeometry(40, 88, 273, 21);
    pathField_->setMaxLength(LaunchRecord::kFileCapacity);
    browseButton_ = new QPushButton(dialogtexts::browseButton(), this);
    browseButton_->setGeometry(320, 88, 75, 25);
    browseButton_->setAutoDefault(false);
    pathLabel_ = new FieldLabel(dialogtexts::launchFileLabel(), pathField_, this);
    connect(browseButton_, &QPushButton::clicked, this, &LaunchEditor::browse);
    connect(okButton(), &QPushButton::clicked, this, &LaunchEditor::addLaunch);
    nameTimeControls();
    pathField_->setAccessibleName(pathLabel_->text());

    setTabOrder(hourField(), minuteField());
    setTabOrder(minuteField(), pathField_);
    setTabOrder(pathField_, hourArrows());
    setTabOrder(hourArrows(), minuteArrows());
    setTabOrder(minuteArrows(), dateField());
    setTabOrder(dateField(), browseButton_);
    setTabOrder(browseButton_, okButton());
    setTabOrder(okButton(), cancelButton());
}

void LaunchEditor::activated() {
    if (returningFromOwnBox()) {
        return;  // back from its own box: the fields stay as the user left them
    }
    if (loadTexts()) {
        setWindowTitle(texts_.line(sections::launch::Caption));
        takeTexts(sections::launch::HourLabel, sections::launch::MinuteLabel,
                  sections::launch::CancelButton);
        pathLabel_->setText(texts_.line(sections::launch::FileLabel));
        browseButton_->setText(texts_.line(sections::launch::BrowseButton));
        fileTypes_ = texts_.line(sections::launch::FileTypes);
        nameTimeControls();
        pathField_->setAccessibleName(pathLabel_->text());
    }
    showCurrentTime();
    pathField_->setFocus();  // its text stays: the path entered the time before
}

void LaunchEditor::browse() {
    // Programs on Linux have no ".exe", so every file is offered as well.
    const QStringList filters{fileTypes_ + QStringLiteral(" (*.exe)"),
                              dialogtexts::allFilesFilter()};
    const std::optional<QString> chosen = context_.platform.chooseFile(filters);
    if (!chosen) {
        return;
    }
    const QString path = QFileInfo(*chosen).absoluteFilePath();
    if (const Expected<void> fits = EntryChecks::path(path); !fits) {
        context_.platform.showMessage(fits.error());
        return;
    }
    pathField_->setText(path);
}

void LaunchEditor::addLaunch() {
    const std::optional<QString> time = enteredTime();
    const QString path = pathField_->text();
    if (!time || !storable(path)) {
        return;
    }
    LaunchRecord rec;
    rec.setDate(daycount::fromDate(dateField()->date()));
    rec.setTime(*time);
    rec.setFile(path);
    // After a failed write the dialog stays open with what the user typed.
    if (const Expected<void> added = files_.append(rec); !added) {
        context_.platform.showError(added.error());
        return;
    }
    accept();
}

void LaunchEditor::closed() {
    context_.state.reloadLaunches = true;
}
