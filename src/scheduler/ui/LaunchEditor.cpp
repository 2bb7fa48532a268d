#include "scheduler/ui/LaunchEditor.h"

#include <QDateEdit>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "config/DayCount.h"
#include "platform/Platform.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ScheduleTime.h"
#include "scheduler/ui/EditorChecks.h"
#include "scheduler/ui/FieldLabel.h"
#include "scheduler/ui/UpDownArrows.h"

TRun::TRun(DialogContext& context, QWidget* parent)
    : ProtocolDialog(context.protocol, context.showHelp, kHelpTopic, parent),
      context_(context),
      files_(context.state, context.timers, context.platform),
      texts_(QStringLiteral("[funrun]"), 7) {
    setWindowTitle(QStringLiteral("Запуск"));
    setFixedSize(401, 183);

    chf_ = new QLineEdit(QStringLiteral("0"), this);
    chf_->setGeometry(40, 24, 25, 21);
    upDown1_ = new UpDownArrows(chf_, 0, 23, this);
    upDown1_->setGeometry(65, 24, 15, 21);
    mnf_ = new QLineEdit(QStringLiteral("0"), this);
    mnf_->setGeometry(122, 24, 25, 21);
    upDown2_ = new UpDownArrows(mnf_, 0, 59, this);
    upDown2_->setGeometry(147, 24, 15, 21);
    dat_ = new QDateEdit(this);
    dat_->setGeometry(192, 24, 186, 21);
    editorchecks::setUpDatePicker(dat_);

    failw_ = new QLineEdit(this);
    failw_->setGeometry(40, 88, 273, 21);
    failw_->setMaxLength(LaunchRecord::kFileCapacity);
    obz_ = new QPushButton(QStringLiteral("Обзор"), this);
    obz_->setGeometry(320, 88, 75, 25);
    obz_->setAutoDefault(false);
    chfLabel_ = new FieldLabel(QStringLiteral("Час"), chf_, this);
    mnfLabel_ = new FieldLabel(QStringLiteral("Мин"), mnf_, this);
    failwLabel_ = new FieldLabel(QStringLiteral("Файл"), failw_, this);

    button1_ = new QPushButton(QStringLiteral("Ок"), this);
    button1_->setGeometry(104, 144, 75, 25);
    button1_->setAutoDefault(false);
    button2_ = new QPushButton(QStringLiteral("Отмена"), this);
    button2_->setGeometry(224, 144, 75, 25);
    button2_->setAutoDefault(false);
    connect(obz_, &QPushButton::clicked, this, &TRun::obzClick);
    connect(button1_, &QPushButton::clicked, this, &TRun::button1Click);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(chf_, mnf_);
    setTabOrder(mnf_, failw_);
    setTabOrder(failw_, upDown1_);
    setTabOrder(upDown1_, upDown2_);
    setTabOrder(upDown2_, dat_);
    setTabOrder(dat_, obz_);
    setTabOrder(obz_, button1_);
    setTabOrder(button1_, button2_);
}

bool TRun::event(QEvent* e) {
    if (e->type() == QEvent::WindowDeactivate) {
        modalReturn_.deactivated(this);
    } else if (e->type() == QEvent::Show) {
        modalReturn_ = ModalReturn();  // shown anew: every activation counts
    }
    return ProtocolDialog::event(e);
}

void TRun::activated() {
    if (modalReturn_.returning()) {
        return;  // back from its own box: the fields stay as the user left them
    }
    // An unreadable language file is reported by the section; the controls
    // then keep their texts, and the fields are reset all the same.
    if (texts_.load(context_.state.programFolder, context_.state.settings, &context_.platform)) {
        setWindowTitle(texts_.line(1));
        chfLabel_->setText(texts_.line(2));
        mnfLabel_->setText(texts_.line(3));
        failwLabel_->setText(texts_.line(4));
        obz_->setText(texts_.line(5));
        button2_->setText(texts_.line(6));
        fileTypes_ = texts_.line(7);
    }
    const QDateTime now = context_.platform.now();
    chf_->setText(now.toString(QStringLiteral("HH")));
    mnf_->setText(now.toString(QStringLiteral("mm")));
    dat_->setDate(now.date());
    failw_->setFocus();  // its text stays: the path entered the time before
}

void TRun::obzClick() {
    // Programs on Linux have no ".exe", so every file is offered as well.
    const QStringList filters{fileTypes_ + QStringLiteral(" (*.exe)"),
                              QStringLiteral("Все файлы (*)")};
    const std::optional<QString> chosen = context_.platform.chooseFile(filters);
    if (!chosen) {
        return;
    }
    const QString path = QFileInfo(*chosen).absoluteFilePath();
    // A cut path would name another file, or none.
    if (path.size() > LaunchRecord::kFileCapacity) {
        context_.platform.showMessage(tr("Путь длиннее %1 знаков не помещается в расписание:\n%2")
                                          .arg(LaunchRecord::kFileCapacity)
                                          .arg(path));
        return;
    }
    failw_->setText(path);
}

void TRun::button1Click() {
    const ScheduleTime::Checked time = ScheduleTime::check(chf_->text(), mnf_->text());
    if (!time.ok()) {
        context_.platform.showMessage(time.problem);
        return;
    }
    const QString path = failw_->text();
    if (!editorchecks::storable(context_.platform, path)) {
        return;
    }
    LaunchRecord rec;
    rec.setDate(daycount::fromDate(dat_->date()));
    rec.setTime(time.time);
    rec.setFile(path);
    // A failed write is reported by the files; the dialog stays open.
    if (files_.appendEntry(rec)) {
        accept();
    }
}

void TRun::closed() {
    context_.state.reloadLaunches = true;
}
