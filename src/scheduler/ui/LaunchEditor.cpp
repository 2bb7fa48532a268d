#include "scheduler/ui/LaunchEditor.h"

#include <QDateEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "access/ScreenReader.h"
#include "locale/LanguageSections.h"
#include "locale/OkCaption.h"
#include "platform/Platform.h"
#include "scheduler/EntryChecks.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ui/EditorChecks.h"
#include "scheduler/ui/FieldLabel.h"
#include "scheduler/ui/UpDownArrows.h"
#include "settings/DayCount.h"

LaunchEditor::LaunchEditor(DialogContext& context, QWidget* parent)
    : ClockDialog(context.protocol, context.showHelp, kHelpTopic, parent),
      context_(context),
      files_(context.state.programFolder),
      texts_(QLatin1String(sections::launch::kHeader)),
      spokenTexts_(context.state.programFolder, context.state.settings) {
    setWindowTitle(QStringLiteral("Запуск"));
    setFixedSize(401, 183);

    hourField_ = new QLineEdit(QStringLiteral("0"), this);
    hourField_->setGeometry(40, 24, 25, 21);
    hourArrows_ = new UpDownArrows(hourField_, 0, 23, this);
    hourArrows_->setGeometry(65, 24, 15, 21);
    minuteField_ = new QLineEdit(QStringLiteral("0"), this);
    minuteField_->setGeometry(122, 24, 25, 21);
    minuteArrows_ = new UpDownArrows(minuteField_, 0, 59, this);
    minuteArrows_->setGeometry(147, 24, 15, 21);
    dateField_ = new QDateEdit(this);
    dateField_->setGeometry(192, 24, 186, 21);
    editorchecks::setUpDatePicker(dateField_);

    pathField_ = new QLineEdit(this);
    pathField_->setGeometry(40, 88, 273, 21);
    pathField_->setMaxLength(LaunchRecord::kFileCapacity);
    browseButton_ = new QPushButton(QStringLiteral("Обзор"), this);
    browseButton_->setGeometry(320, 88, 75, 25);
    browseButton_->setAutoDefault(false);
    hourLabel_ = new FieldLabel(QStringLiteral("Час"), hourField_, this);
    minuteLabel_ = new FieldLabel(QStringLiteral("Мин"), minuteField_, this);
    pathLabel_ = new FieldLabel(QStringLiteral("Файл"), pathField_, this);

    okButton_ = new QPushButton(QStringLiteral("Ок"), this);
    okButton_->setGeometry(104, 144, 75, 25);
    okButton_->setAutoDefault(false);
    cancelButton_ = new QPushButton(QStringLiteral("Отмена"), this);
    cancelButton_->setGeometry(224, 144, 75, 25);
    cancelButton_->setAutoDefault(false);
    connect(browseButton_, &QPushButton::clicked, this, &LaunchEditor::browse);
    connect(okButton_, &QPushButton::clicked, this, &LaunchEditor::addLaunch);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    setConfirmButton(okButton_);
    nameControls();

    setTabOrder(hourField_, minuteField_);
    setTabOrder(minuteField_, pathField_);
    setTabOrder(pathField_, hourArrows_);
    setTabOrder(hourArrows_, minuteArrows_);
    setTabOrder(minuteArrows_, dateField_);
    setTabOrder(dateField_, browseButton_);
    setTabOrder(browseButton_, okButton_);
    setTabOrder(okButton_, cancelButton_);
}

void LaunchEditor::activated() {
    if (returningFromOwnBox()) {
        return;  // back from its own box: the fields stay as the user left them
    }
    // An unreadable language file is reported by the section; the controls
    // then keep their texts, and the fields are reset all the same.
    if (texts_.load(context_.state.programFolder, context_.state.settings, &context_.platform)) {
        setWindowTitle(texts_.line(sections::launch::Caption));
        hourLabel_->setText(texts_.line(sections::launch::HourLabel));
        minuteLabel_->setText(texts_.line(sections::launch::MinuteLabel));
        pathLabel_->setText(texts_.line(sections::launch::FileLabel));
        browseButton_->setText(texts_.line(sections::launch::BrowseButton));
        cancelButton_->setText(texts_.line(sections::launch::CancelButton));
        okButton_->setText(okcaption::beside(texts_.line(sections::launch::CancelButton)));
        fileTypes_ = texts_.line(sections::launch::FileTypes);
        nameControls();
    }
    const QDateTime now = context_.platform.now();
    hourField_->setText(now.toString(QStringLiteral("HH")));
    minuteField_->setText(now.toString(QStringLiteral("mm")));
    dateField_->setDate(now.date());
    pathField_->setFocus();  // its text stays: the path entered the time before
}

// The fields are named by their labels; what shows no text of its own (the
// date, the arrows) is named for a screen reader while one listens.
void LaunchEditor::nameControls() {
    hourField_->setAccessibleName(hourLabel_->text());
    minuteField_->setAccessibleName(minuteLabel_->text());
    pathField_->setAccessibleName(pathLabel_->text());
    if (!screenreader::listening()) {
        return;
    }
    dateField_->setAccessibleName(spokenTexts_.line(sections::access::DateField));
    for (UpDownArrows* arrows : {hourArrows_, minuteArrows_}) {
        arrows->setButtonNames(spokenTexts_.line(sections::access::UpArrow),
                               spokenTexts_.line(sections::access::DownArrow));
    }
}

void LaunchEditor::browse() {
    // Programs on Linux have no ".exe", so every file is offered as well.
    const QStringList filters{fileTypes_ + QStringLiteral(" (*.exe)"),
                              QStringLiteral("Все файлы (*)")};
    const std::optional<QString> chosen = context_.platform.chooseFile(filters);
    if (!chosen) {
        return;
    }
    const QString path = QFileInfo(*chosen).absoluteFilePath();
    const QString problem = EntryChecks::pathProblem(path);
    if (!problem.isEmpty()) {
        context_.platform.showMessage(problem);
        return;
    }
    pathField_->setText(path);
}

void LaunchEditor::addLaunch() {
    const ScheduleTime::Checked time = EntryChecks::time(hourField_->text(), minuteField_->text());
    if (!time.ok()) {
        context_.platform.showMessage(time.problem);
        return;
    }
    const QString path = pathField_->text();
    if (!editorchecks::storable(context_.platform, path)) {
        return;
    }
    LaunchRecord rec;
    rec.setDate(daycount::fromDate(dateField_->date()));
    rec.setTime(time.time);
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
