#include "calendar/ui/HolidayEditor.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include "calendar/HolidayFile.h"
#include "calendar/HolidayList.h"
#include "dialogs/FormFont.h"
#include "locale/CurrentLanguageFile.h"
#include "locale/LanguageSections.h"
#include "platform/Platform.h"
#include "texts/CalendarTexts.h"
#include "texts/DialogTexts.h"

HolidayEditor::HolidayEditor(DialogContext& context, QWidget* parent)
    : ClockDialog(context.protocol, context.showHelp, kHelpTopic, parent),
      context_(context),
      texts_(QLatin1String(sections::holidays::kHeader)) {
    setWindowTitle(calendartexts::holidayEditorCaption());
    setFixedSize(kWidth, kHeight);
    setFont(formFont(11));
    centreOnClocksMonitor(context.platform);

    monthLabel_ = new QLabel(QStringLiteral("Label1"), this);
    monthLabel_->setGeometry(64, 32, 41, 16);
    monthLabel_->setAlignment(Qt::AlignCenter);
    monthLabel_->setFont(formFont(13));

    monthBox_ = new QComboBox(this);
    monthBox_->setEditable(true);
    monthBox_->setInsertPolicy(QComboBox::NoInsert);
    monthBox_->addItems(calendartexts::monthNames());
    monthBox_->move(120, 32);
    monthBox_->resize(89, monthBox_->sizeHint().height());
    monthLabel_->setBuddy(monthBox_);
    connect(monthBox_, &QComboBox::currentIndexChanged, this, &HolidayEditor::monthBoxChanged);
    connect(monthBox_, &QComboBox::editTextChanged, this, &HolidayEditor::monthBoxChanged);

    dayList_ = new QListWidget(this);
    dayList_->setGeometry(72, 64, 121, 97);
    dayList_->setSelectionMode(QAbstractItemView::SingleSelection);
    dayList_->setContextMenuPolicy(Qt::CustomContextMenu);
    listMenu_ = new QMenu(dayList_);
    addDayAction_ = listMenu_->addAction(calendartexts::addDayItem());
    deleteDayAction_ = listMenu_->addAction(calendartexts::deleteDayItem());
    connect(listMenu_, &QMenu::aboutToShow, this, &HolidayEditor::listMenuOpening);
    connect(addDayAction_, &QAction::triggered, this, &HolidayEditor::addDay);
    connect(deleteDayAction_, &QAction::triggered, this, &HolidayEditor::deleteDay);
    connect(dayList_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { listMenu_->popup(dayList_->viewport()->mapToGlobal(at)); });

    acceptButton_ = new QPushButton(calendartexts::acceptButton(), this);
    acceptButton_->setGeometry(40, 176, 75, 25);
    acceptButton_->setEnabled(false);
    acceptButton_->setAutoDefault(false);
    cancelButton_ = new QPushButton(dialogtexts::cancel(), this);
    cancelButton_->setGeometry(152, 176, 75, 25);
    cancelButton_->setAutoDefault(false);
    connect(acceptButton_, &QPushButton::clicked, this, &HolidayEditor::saveMonth);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    nameControls();
}

// The month box is named by its label (a screen reader on this system
// names a combo box by its text, and finds its label by the buddy), the list
// by the dialog's caption.
void HolidayEditor::nameControls() {
    monthBox_->setAccessibleName(monthLabel_->text());
    monthBox_->lineEdit()->setAccessibleName(monthLabel_->text());
    dayList_->setAccessibleName(windowTitle());
}

QStringList HolidayEditor::entries() const {
    QStringList list;
    list.reserve(dayList_->count());
    for (int i = 0; i < dayList_->count(); ++i) {
        list.append(dayList_->item(i)->text());
    }
    return list;
}

void HolidayEditor::setEntries(const QStringList& entries) {
    dayList_->clear();
    dayList_->addItems(entries);
}

void HolidayEditor::report(const QString& error) {
    withOwnBox([&] {
        context_.platform.showError(error);
        return true;
    });
}

void HolidayEditor::activated() {
    if (returningFromOwnBox()) {
        return;  // the list stays as the user left it
    }
    const ProgramFolder& folder = context_.state.programFolder;
    const SettingsRecord& settings = context_.state.settings;
    // An unreadable language file is reported by the section; the dialog
    // then keeps what it showed, which still belongs together.
    bool loaded = false;
    withOwnBox([&] { return !(loaded = texts_.load(folder, settings, &context_.platform)); });
    if (!loaded) {
        return;
    }
    QStringList months;
    const Expected<LanguageFile> file = currentLanguageFile(folder, settings);
    const Expected<void> read =
        file ? file->readList(QLatin1String(sections::kMonthTable), months) : Failure{file.error()};
    if (!read) {
        report(read.error());
        return;
    }
    {
        // The month box is refilled and set quietly; the list is read once,
        // below, for the month it ends up on.
        const QSignalBlocker quiet(monthBox_);
        monthBox_->clear();
        monthBox_->addItems(months);
        monthBox_->setCurrentIndex(context_.platform.now().date().month() - 1);
    }
    dayList_->clear();
    shownMonth_ = 0;
    setWindowTitle(texts_.line(sections::holidays::Caption));
    monthLabel_->setText(texts_.line(sections::holidays::MonthLabel));
    acceptButton_->setText(texts_.line(sections::holidays::SaveButton));
    cancelButton_->setText(texts_.line(sections::holidays::CancelButton));
    addDayAction_->setText(texts_.line(sections::holidays::AddDayItem));
    deleteDayAction_->setText(texts_.line(sections::holidays::DeleteDayItem));
    nameControls();
    readMonth();
}

// The month box says which month by its selected item, or by typed text that
// spells one of its items; anything else names no month.
int HolidayEditor::selectedMonth() const {
    const int index = monthBox_->currentIndex();
    const QString text = monthBox_->currentText();
    if (index >= 0 && monthBox_->itemText(index) == text) {
        return index + 1;
    }
    const int typed = monthBox_->findText(text, Qt::MatchFixedString);
    return typed >= 0 ? typed + 1 : 0;
}

// Picking an item changes both the index and the text; the list is read once.
void HolidayEditor::monthBoxChanged() {
    if (monthBox_->currentIndex() == readIndex_ && monthBox_->currentText() == readText_) {
        return;
    }
    readMonth();
}

void HolidayEditor::readMonth() {
    readIndex_ = monthBox_->currentIndex();
    readText_ = monthBox_->currentText();
    dayList_->clear();
    shownMonth_ = 0;
    const int month = selectedMonth();
    if (month == 0) {
        return;  // still typing, or a text that is no month: nothing to show
    }
    const QString path = holidays::pathFor(context_.state.programFolder, month);
    if (!path.isEmpty() && !QFileInfo::exists(path)) {
        // A month that never had holidays; saving creates its file.
        setEntries({QString()});
        shownMonth_ = month;
        return;
    }
    const Expected<QStringList> lines = holidays::read(path);
    if (!lines) {
        report(lines.error());
        return;
    }
    setEntries(*lines);
    shownMonth_ = month;
}

void HolidayEditor::listMenuOpening() {
    acceptButton_->setEnabled(true);
}

void HolidayEditor::addDay() {
    std::optional<QString> answer;
    withOwnBox([&] {
        answer = context_.platform.askText(texts_.line(sections::holidays::NewDayCaption),
                                           texts_.line(sections::holidays::NewDayPrompt),
                                           texts_.line(sections::holidays::CancelButton));
        return true;
    });
    if (!answer || answer->isEmpty()) {
        return;
    }
    QStringList list = entries();
    const QString error = holidaylist::add(list, *answer);
    setEntries(list);
    if (!error.isEmpty()) {
        report(error);
    }
}

void HolidayEditor::deleteDay() {
    QListWidgetItem* item = dayList_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return;
    }
    delete dayList_->takeItem(dayList_->row(item));
}

void HolidayEditor::saveMonth() {
    if (shownMonth_ == 0) {
        report(calendartexts::noMonthToSave());
        return;
    }
    if (const Expected<void> saved = holidays::write(
            holidays::pathFor(context_.state.programFolder, shownMonth_), entries());
        !saved) {
        report(saved.error());
        return;
    }
    // Only the restart flag changes; the calendar reads the new days at start.
    if (const Expected<void> restarted = context_.program.restartProgram([](SettingsRecord&) {});
        !restarted) {
        report(restarted.error());
    }
}
