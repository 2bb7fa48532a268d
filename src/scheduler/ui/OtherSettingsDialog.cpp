#include "scheduler/ui/OtherSettingsDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>

#include "access/ScreenReader.h"
#include "dialogs/WrappingCheckBox.h"
#include "locale/LanguageSections.h"
#include "locale/OkCaption.h"
#include "platform/Platform.h"
#include "scheduler/ScheduleLines.h"
#include "scheduler/ui/ScheduleLineDelegate.h"
#include "scheduler/ui/ScheduleListModel.h"
#include "settings/FormatNames.h"
#include "state/TimerSwitch.h"
#include "texts/DialogTexts.h"

namespace {
QFrame* panel(QWidget* parent, int top, int height) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setGeometry(0, top, 382, height);
    return frame;
}
}  // namespace

OtherSettingsDialog::OtherSettingsDialog(DialogContext& context, QWidget* parent)
    : ClockDialog(context.protocol, context.showHelp, kHelpTopic, parent),
      context_(context),
      files_(context.state.programFolder),
      reminders_(context.state.programFolder),
      texts_(QLatin1String(sections::other::kHeader)),
      spokenTexts_(context.state.programFolder, context.state.settings),
      noticeTexts_(context.state.programFolder, context.state.settings),
      repeatTexts_(context.state.programFolder, context.state.settings) {
    setWindowTitle(dialogtexts::otherSettingsCaption());
    // The options' band has a row more than the record's options need: the
    // desktop's notifications.
    setFixedSize(382, 249);
    optionsPanel_ = panel(this, 0, 87);
    listPanel_ = panel(this, 87, 121);
    buttonPanel_ = panel(this, 208, 41);

    buildOptions();
    buildList();
    buildButtons();
    wire();
    setTabOrder(autoHideBox_, noTabBox_);
    setTabOrder(noTabBox_, hideDelayBox_);
    setTabOrder(hideDelayBox_, soundOffBox_);
    setTabOrder(soundOffBox_, desktopNoticesBox_);
    setTabOrder(desktopNoticesBox_, scheduleList_);
    setTabOrder(scheduleList_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    setConfirmButton(okButton_);
    nameControls();
}

void OtherSettingsDialog::buildOptions() {
    autoHideBox_ = new WrappingCheckBox(dialogtexts::autoHideBox(), optionsPanel_);
    autoHideBox_->setGeometry(40, 1, 121, 39);
    noTabBox_ = new QCheckBox(dialogtexts::noTabBox(), optionsPanel_);
    noTabBox_->setGeometry(40, 40, 97, 17);
    hideDelayLabel_ = new QLabel(dialogtexts::hideDelayLabel(), optionsPanel_);
    // Up to the spin box and no further: a word as wide as the label would
    // otherwise be drawn over the box's frame.
    hideDelayLabel_->setGeometry(232, 6, 48, 33);
    hideDelayLabel_->setWordWrap(true);
    hideDelayBox_ = new QSpinBox(optionsPanel_);
    hideDelayBox_->setGeometry(280, 8, 41, 22);
    hideDelayBox_->setRange(1, 30);
    hideDelayBox_->setValue(1);
    soundOffBox_ = new QCheckBox(dialogtexts::soundOffBox(), optionsPanel_);
    soundOffBox_->setGeometry(232, 40, 97, 17);
    desktopNoticesBox_ =
        new QCheckBox(NoticeTexts::builtIn(sections::notices::DesktopBox), optionsPanel_);
    desktopNoticesBox_->setGeometry(40, 62, 320, 17);
}

void OtherSettingsDialog::buildList() {
    scheduleList_ = new QListView(listPanel_);
    scheduleModel_ = new ScheduleListModel(scheduleList_);
    scheduleList_->setModel(scheduleModel_);
    // One size for every line: the list lays out any number of them at once.
    scheduleList_->setUniformItemSizes(true);
    scheduleList_->setGeometry(12, 16, 361, 113);
    scheduleList_->setSelectionMode(QAbstractItemView::SingleSelection);
    scheduleList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scheduleList_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    delegate_ = new ScheduleLineDelegate(context_.state.programFolder, scheduleList_);
    scheduleList_->setItemDelegate(delegate_);
    scheduleList_->setContextMenuPolicy(Qt::CustomContextMenu);
    listMenu_ = new QMenu(scheduleList_);
    deleteAction_ = listMenu_->addAction(dialogtexts::deleteEntryItem());
    connect(scheduleList_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        listMenu_->exec(scheduleList_->viewport()->mapToGlobal(at));
    });
    connect(deleteAction_, &QAction::triggered, this, &OtherSettingsDialog::deleteSelected);
}

void OtherSettingsDialog::buildButtons() {
    okButton_ = new QPushButton(dialogtexts::ok(), buttonPanel_);
    okButton_->setGeometry(88, 8, 75, 25);
    okButton_->setAutoDefault(false);
    cancelButton_ = new QPushButton(dialogtexts::cancel(), buttonPanel_);
    cancelButton_->setGeometry(216, 8, 75, 25);
    cancelButton_->setAutoDefault(false);
}

void OtherSettingsDialog::wire() {
    // Clicks, not toggles: setting the boxes on activation must not count as
    // the user's choice.
    connect(autoHideBox_, &QCheckBox::clicked, this, &OtherSettingsDialog::autoHideClicked);
    connect(noTabBox_, &QCheckBox::clicked, this,
            [this](bool on) { context_.state.settings.setNoPullTab(on); });
    connect(soundOffBox_, &QCheckBox::clicked, this,
            [this](bool on) { context_.state.settings.setSoundOff(on); });
    connect(desktopNoticesBox_, &QCheckBox::clicked, this,
            [this](bool on) { context_.state.options.setDesktopNotifications(on); });
    // Arrows and set values arrive as values; typing arrives as the field's
    // own text, which is where a text that is no number has to be refused.
    connect(hideDelayBox_, &QSpinBox::valueChanged, this,
            [this](int value) { hideDelayEdited(QString::number(value)); });
    connect(hideDelayBox_->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
            &OtherSettingsDialog::hideDelayEdited);
    connect(okButton_, &QPushButton::clicked, this, &OtherSettingsDialog::storeSettings);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void OtherSettingsDialog::activated() {
    if (returningFromOwnBox()) {
        return;  // back from its own box: the fields stay as the user left them
    }
    SettingsRecord& settings = context_.state.settings;
    if (context_.state.skinHasNoSound) {
        soundOffBox_->setEnabled(false);
    }
    autoHideBox_->setChecked(settings.autoHide());
    soundOffBox_->setChecked(settings.soundOff());
    desktopNoticesBox_->setChecked(context_.state.options.desktopNotifications());
    desktopNoticesBox_->setText(noticeTexts_.line(sections::notices::DesktopBox));
    if (!settings.autoHide()) {
        noTabBox_->setChecked(false);
        settings.setNoPullTab(false);
        noTabBox_->setEnabled(false);
    } else {
        noTabBox_->setChecked(settings.noPullTab());
        noTabBox_->setEnabled(true);
    }
    fillList();
    // An unreadable language file is reported by the section; the controls
    // then keep their texts.
    if (texts_.load(context_.state.programFolder, settings, &context_.platform)) {
        setWindowTitle(texts_.line(sections::other::Caption));
        autoHideBox_->setCaption(texts_.line(sections::other::AutoHideBox));
        noTabBox_->setText(texts_.line(sections::other::NoTabBox));
        hideDelayLabel_->setText(texts_.line(sections::other::HideDelayLabel));
        cancelButton_->setText(texts_.line(sections::other::CancelButton));
        okButton_->setText(okcaption::beside(texts_.line(sections::other::CancelButton)));
        deleteAction_->setText(texts_.line(sections::other::DeleteItem));
        soundOffBox_->setText(texts_.line(sections::other::SoundOffBox));
        nameControls();
    }
    hideDelayBox_->setValue(settings.hideDelay());
    scheduleList_->setFocus();
}

// The delay field is named by its label; the list, which has none, is
// named for a screen reader while one listens, and its lines say their kind,
// which only their icon shows.
void OtherSettingsDialog::nameControls() {
    hideDelayBox_->setAccessibleName(hideDelayLabel_->text());
    if (!screenreader::listening()) {
        return;
    }
    scheduleList_->setAccessibleName(spokenTexts_.line(sections::access::ScheduleList));
    scheduleModel_->setSpokenKinds(spokenTexts_.line(sections::access::ReminderLine),
                                   spokenTexts_.line(sections::access::LaunchLine));
}

void OtherSettingsDialog::fillList() {
    delegate_->loadIcons();
    repeatTexts_.reload(context_.state.programFolder, context_.state.settings);
    scheduleModel_->setRuleNames([this](RepeatRule rule) { return repeatTexts_.ruleName(rule); });
    scheduleModel_->setLines(ScheduleLines::read(context_.state.programFolder));
}

void OtherSettingsDialog::autoHideClicked() {
    SettingsRecord& settings = context_.state.settings;
    settings.setAutoHide(autoHideBox_->isChecked());
    if (autoHideBox_->isChecked()) {
        noTabBox_->setEnabled(true);
    } else {
        settings.setNoPullTab(false);
        noTabBox_->setChecked(false);
        noTabBox_->setEnabled(false);
    }
}

void OtherSettingsDialog::hideDelayEdited(const QString& text) {
    bool number = false;
    const int value = text.trimmed().toInt(&number);
    if (!number) {
        context_.platform.showError(QStringLiteral("'%1' is not a valid integer value").arg(text));
        return;
    }
    // The field holds its value within its range; a number on the way to one
    // ("0" before "05") changes nothing yet.
    if (value >= hideDelayBox_->minimum() && value <= hideDelayBox_->maximum()) {
        context_.state.settings.setHideDelay(value);
    }
}

void OtherSettingsDialog::storeSettings() {
    // The program's own options first: the restart below reads them back.
    const Expected<void> optionsWritten =
        context_.state.options.write(context_.state.programFolder.path(formatnames::optionsFile()));
    if (!optionsWritten) {
        context_.platform.showError(optionsWritten.error());
        return;
    }
    const SettingsRecord current = context_.state.settings;
    // A sound switched off only because the skin has none is not stored.
    const bool soundOff = soundOffBox_->isEnabled() && current.soundOff();
    const Expected<void> restarted = context_.program.restartProgram([&](SettingsRecord& rec) {
        rec.setRestartFlag(true);
        rec.setAutoHide(current.autoHide());
        rec.setNoPullTab(current.noPullTab());
        rec.setHideDelay(current.hideDelay());
        rec.setSoundOff(soundOff);
    });
    if (!restarted) {
        context_.platform.showError(dialogtexts::settingsNotSaved(restarted.error()));
        return;
    }
    accept();
}

void OtherSettingsDialog::deleteSelected() {
    const QModelIndexList selected = scheduleList_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        return;
    }
    const int row = selected.first().row();
    const ScheduleEntry& entry = scheduleModel_->entry(row);
    const ScheduleKind kind = entry.kind;
    const ScheduleKey key = entry.key();
    // The due check must not read the file while it is rewritten; the
    // removal starts it again. The reload keeps the deleted entry from being
    // announced out of the list the check still holds.
    TimerSwitch* timer = schedule::dueTimer(context_.timers, kind);
    if (timer) {
        timer->disable();
    }
    // A reminder's rule goes with it.
    const Expected<void> removed =
        kind == ScheduleKind::Reminders ? reminders_.removeKey(key) : files_.remove(kind, key);
    if (!removed) {
        context_.platform.showError(removed.error());
    }
    schedule::reloadFlag(context_.state, kind) = true;
    if (timer) {
        timer->enable();
    }
    if (!removed) {
        return;  // the file and so the list are as they were
    }
    // The file has lost every record of the key, so the list loses every
    // line of it; the selection stays where the deleted line was.
    const int first = scheduleModel_->removeKey(kind, key);
    const int count = scheduleModel_->rowCount();
    if (first >= 0 && count > 0) {
        scheduleList_->setCurrentIndex(scheduleModel_->index(std::min(first, count - 1), 0));
    }
}
