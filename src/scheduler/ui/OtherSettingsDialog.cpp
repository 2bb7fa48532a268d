#include "scheduler/ui/OtherSettingsDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "config/TimerSwitch.h"
#include "platform/Platform.h"
#include "scheduler/ScheduleListing.h"
#include "scheduler/ui/ScheduleLineDelegate.h"
#include "scheduler/ui/WrappingCheckBox.h"

namespace {
constexpr int kDayRole = ScheduleLineDelegate::kKindRole + 1;
constexpr int kTimeRole = ScheduleLineDelegate::kKindRole + 2;

QFrame* panel(QWidget* parent, int top, int height) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setGeometry(0, top, 382, height);
    return frame;
}
}  // namespace

Tother::Tother(DialogContext& context, QWidget* parent)
    : ProtocolDialog(context.protocol, context.showHelp, kHelpTopic, parent),
      context_(context),
      files_(context.state, context.timers, context.platform),
      texts_(QStringLiteral("[funoth]"), 7) {
    setWindowTitle(QStringLiteral("Другие"));
    setFixedSize(382, 227);
    panel1_ = panel(this, 0, 65);
    panel2_ = panel(this, 65, 121);
    panel3_ = panel(this, 186, 41);

    chb1_ = new WrappingCheckBox(QStringLiteral("Автоматически убирать с экрана"), panel1_);
    chb1_->setGeometry(40, 1, 121, 39);
    chb2_ = new QCheckBox(QStringLiteral("Без кнопки"), panel1_);
    chb2_->setGeometry(40, 40, 97, 17);
    label1_ = new QLabel(QStringLiteral("Время скрытия"), panel1_);
    label1_->setGeometry(232, 6, 49, 33);
    label1_->setWordWrap(true);
    vrs_ = new QSpinBox(panel1_);
    vrs_->setGeometry(280, 8, 41, 22);
    vrs_->setRange(1, 30);
    vrs_->setValue(1);
    bz_ = new QCheckBox(QStringLiteral("Без звука"), panel1_);
    bz_->setGeometry(232, 40, 97, 17);

    list_ = new QListWidget(panel2_);
    list_->setGeometry(12, 16, 361, 113);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    delegate_ = new ScheduleLineDelegate(context.state.programFolder, list_);
    list_->setItemDelegate(delegate_);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    lbm_ = new QMenu(list_);
    n1_ = lbm_->addAction(QStringLiteral("Удалить"));
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { lbm_->exec(list_->viewport()->mapToGlobal(at)); });
    connect(n1_, &QAction::triggered, this, &Tother::n1Click);

    button1_ = new QPushButton(QStringLiteral("Ок"), panel3_);
    button1_->setGeometry(88, 8, 75, 25);
    button1_->setAutoDefault(false);
    button2_ = new QPushButton(QStringLiteral("Отмена"), panel3_);
    button2_->setGeometry(216, 8, 75, 25);
    button2_->setAutoDefault(false);

    // Clicks, not toggles: setting the boxes on activation must not count as
    // the user's choice.
    connect(chb1_, &QCheckBox::clicked, this, &Tother::chb1Click);
    connect(chb2_, &QCheckBox::clicked, this,
            [this](bool on) { context_.state.settings.setNoPullTab(on); });
    connect(bz_, &QCheckBox::clicked, this,
            [this](bool on) { context_.state.settings.setSoundOff(on); });
    // Arrows and set values arrive as values; typing arrives as the field's
    // own text, which is where a text that is no number has to be refused.
    connect(vrs_, &QSpinBox::valueChanged, this,
            [this](int value) { vrsChange(QString::number(value)); });
    connect(vrs_->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, &Tother::vrsChange);
    connect(button1_, &QPushButton::clicked, this, &Tother::button1Click);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(chb1_, chb2_);
    setTabOrder(chb2_, vrs_);
    setTabOrder(vrs_, bz_);
    setTabOrder(bz_, list_);
    setTabOrder(list_, button1_);
    setTabOrder(button1_, button2_);
}

bool Tother::event(QEvent* e) {
    if (e->type() == QEvent::WindowDeactivate) {
        modalReturn_.deactivated(this);
    } else if (e->type() == QEvent::Show) {
        modalReturn_ = ModalReturn();  // shown anew: every activation counts
    }
    return ProtocolDialog::event(e);
}

void Tother::activated() {
    if (modalReturn_.returning()) {
        return;  // back from its own box: the fields stay as the user left them
    }
    SettingsRecord& settings = context_.state.settings;
    if (context_.state.skinHasNoSound) {
        bz_->setEnabled(false);
    }
    chb1_->setChecked(settings.autoHide());
    bz_->setChecked(settings.soundOff());
    if (!settings.autoHide()) {
        chb2_->setChecked(false);
        settings.setNoPullTab(false);
        chb2_->setEnabled(false);
    } else {
        chb2_->setChecked(settings.noPullTab());
        chb2_->setEnabled(true);
    }
    fillList();
    // An unreadable language file is reported by the section; the controls
    // then keep their texts.
    if (texts_.load(context_.state.programFolder, settings, &context_.platform)) {
        setWindowTitle(texts_.line(1));
        chb1_->setCaption(texts_.line(2));
        chb2_->setText(texts_.line(3));
        label1_->setText(texts_.line(4));
        button2_->setText(texts_.line(5));
        n1_->setText(texts_.line(6));
        bz_->setText(texts_.line(7));
    }
    vrs_->setValue(settings.hideDelay());
    list_->setFocus();
}

void Tother::fillList() {
    list_->clear();
    for (const ScheduleLine& line : ScheduleListing::read(context_.state.programFolder)) {
        auto* item = new QListWidgetItem(line.text, list_);
        item->setData(ScheduleLineDelegate::kKindRole, int(line.kind));
        item->setData(kDayRole, line.key.day);
        item->setData(kTimeRole, line.key.time);
    }
}

void Tother::chb1Click() {
    SettingsRecord& settings = context_.state.settings;
    settings.setAutoHide(chb1_->isChecked());
    if (chb1_->isChecked()) {
        chb2_->setEnabled(true);
    } else {
        settings.setNoPullTab(false);
        chb2_->setChecked(false);
        chb2_->setEnabled(false);
    }
}

void Tother::vrsChange(const QString& text) {
    bool number = false;
    const int value = text.trimmed().toInt(&number);
    if (!number) {
        context_.platform.showError(tr("'%1' is not a valid integer value").arg(text));
        return;
    }
    // The field holds its value within its range; a number on the way to one
    // ("0" before "05") changes nothing yet.
    if (value >= vrs_->minimum() && value <= vrs_->maximum()) {
        context_.state.settings.setHideDelay(value);
    }
}

void Tother::button1Click() {
    const SettingsRecord current = context_.state.settings;
    // A sound switched off only because the skin has none is not stored.
    const bool soundOff = bz_->isEnabled() && current.soundOff();
    QString why;
    const bool restarted = context_.program.restartProgram(
        [&](SettingsRecord& rec) {
            rec.setRestartFlag(true);
            rec.setAutoHide(current.autoHide());
            rec.setNoPullTab(current.noPullTab());
            rec.setHideDelay(current.hideDelay());
            rec.setSoundOff(soundOff);
        },
        &why);
    if (!restarted) {
        context_.platform.showError(tr("The settings could not be stored: %1").arg(why));
        return;
    }
    accept();
}

void Tother::n1Click() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    QListWidgetItem* item = selected.first();
    const auto kind = ScheduleKind(item->data(ScheduleLineDelegate::kKindRole).toInt());
    const ScheduleKey key{item->data(kDayRole).toDate(), item->data(kTimeRole).toByteArray()};
    // The due check must not read the file while it is rewritten; the
    // removal starts it again. The reload keeps the deleted entry from being
    // announced out of the list the check still holds.
    if (TimerSwitch* timer = schedule::dueTimer(context_.timers, kind)) {
        timer->disable();
    }
    files_.removeEntries(kind, key, true);
    delete item;
}
