#include "scheduler/ui/ReminderEditor.h"

#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "config/DayCount.h"
#include "platform/Platform.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleTime.h"
#include "scheduler/ui/EditorChecks.h"
#include "scheduler/ui/FieldLabel.h"
#include "scheduler/ui/UpDownArrows.h"

Tnapom::Tnapom(DialogContext& context, QWidget* parent)
    : ProtocolDialog(context.protocol, context.showHelp, kHelpTopic, parent),
      context_(context),
      files_(context.state, context.timers, context.platform),
      texts_(QStringLiteral("[funmem]"), 5) {
    setWindowTitle(QStringLiteral("Напоминания"));
    setFixedSize(397, 241);

    ch_ = new QLineEdit(QStringLiteral("0"), this);
    ch_->setGeometry(40, 24, 25, 21);
    upDown1_ = new UpDownArrows(ch_, 0, 23, this);
    upDown1_->setGeometry(65, 24, 15, 21);
    mn_ = new QLineEdit(QStringLiteral("0"), this);
    mn_->setGeometry(112, 24, 25, 21);
    upDown2_ = new UpDownArrows(mn_, 0, 59, this);
    upDown2_->setGeometry(137, 24, 15, 21);
    chLabel_ = new FieldLabel(QStringLiteral("час"), ch_, this);
    mnLabel_ = new FieldLabel(QStringLiteral("мин."), mn_, this);

    dt_ = new QDateEdit(this);
    dt_->setGeometry(184, 24, 186, 21);
    editorchecks::setUpDatePicker(dt_);

    label1_ = new QLabel(QStringLiteral("Текст напоминания"), this);
    label1_->move(24, 72);
    label1_->adjustSize();
    txt_ = new QPlainTextEdit(this);
    txt_->setGeometry(24, 88, 345, 89);
    txt_->setTabChangesFocus(true);
    connect(txt_, &QPlainTextEdit::textChanged, this, &Tnapom::keepTextWithinRecord);

    button1_ = new QPushButton(QStringLiteral("Ок"), this);
    button1_->setGeometry(96, 192, 75, 25);
    button1_->setDefault(false);
    button1_->setAutoDefault(false);
    button2_ = new QPushButton(QStringLiteral("Отмена"), this);
    button2_->setGeometry(224, 192, 75, 25);
    button2_->setAutoDefault(false);
    connect(button1_, &QPushButton::clicked, this, &Tnapom::button1Click);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(ch_, mn_);
    setTabOrder(mn_, upDown1_);
    setTabOrder(upDown1_, upDown2_);
    setTabOrder(upDown2_, dt_);
    setTabOrder(dt_, txt_);
    setTabOrder(txt_, button1_);
    setTabOrder(button1_, button2_);
}

bool Tnapom::event(QEvent* e) {
    if (e->type() == QEvent::WindowDeactivate) {
        modalReturn_.deactivated(this);
    } else if (e->type() == QEvent::Show) {
        modalReturn_ = ModalReturn();  // shown anew: every activation counts
    }
    return ProtocolDialog::event(e);
}

void Tnapom::activated() {
    if (modalReturn_.returning()) {
        return;  // back from its own box: the fields stay as the user left them
    }
    txt_->clear();
    txt_->setFocus();
    // An unreadable language file is reported by the section; the controls
    // then keep their texts, and the fields are reset all the same.
    if (texts_.load(context_.state.programFolder, context_.state.settings, &context_.platform)) {
        setWindowTitle(texts_.line(1));
        chLabel_->setText(texts_.line(2));
        mnLabel_->setText(texts_.line(3));
        label1_->setText(texts_.line(4));
        label1_->adjustSize();
        button2_->setText(texts_.line(5));
    }
    const QDateTime now = context_.platform.now();
    ch_->setText(now.toString(QStringLiteral("HH")));
    mn_->setText(now.toString(QStringLiteral("mm")));
    dt_->setDate(now.date());
}

// The stored text counts each line break as CR LF; the field takes no more
// than the record keeps.
void Tnapom::keepTextWithinRecord() {
    editorchecks::limitStoredLength(txt_, ReminderRecord::kTextCapacity);
}

void Tnapom::button1Click() {
    const ScheduleTime::Checked time = ScheduleTime::check(ch_->text(), mn_->text());
    if (!time.ok()) {
        context_.platform.showMessage(time.problem);
        return;
    }
    const QString text = txt_->toPlainText();
    if (!editorchecks::storable(context_.platform, text)) {
        return;
    }
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(dt_->date()));
    rec.setTime(time.time);
    rec.setText(text);
    // A failed write is reported by the files; the dialog stays open with
    // what the user typed.
    if (files_.appendEntry(rec)) {
        accept();
    }
}

void Tnapom::closed() {
    context_.state.reloadReminders = true;
}
