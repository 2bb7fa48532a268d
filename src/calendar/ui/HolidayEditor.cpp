#include "calendar/ui/HolidayEditor.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include "calendar/CurrentLanguageFile.h"
#include "calendar/HolidayFile.h"
#include "calendar/HolidayList.h"
#include "calendar/ui/FormFont.h"
#include "platform/Platform.h"

namespace {

const QStringList kBuiltInMonths = {
    QStringLiteral("Январь"),  QStringLiteral("Февраль"), QStringLiteral("Март"),
    QStringLiteral("Апрель"),  QStringLiteral("Май"),     QStringLiteral("Июнь"),
    QStringLiteral("Июль"),    QStringLiteral("Август"),  QStringLiteral("Сентябрь"),
    QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"),  QStringLiteral("Декабрь")};

}  // namespace

Tprazd::Tprazd(DialogContext& context, QWidget* parent)
    : ProtocolDialog(context.protocol, context.showHelp, kHelpTopic, parent),
      context_(context),
      texts_(QStringLiteral("[funholi]"), 8) {
    setWindowTitle(QStringLiteral("Праздники"));
    setFixedSize(kWidth, kHeight);
    setFont(formFont(11));
    const QRect desktop = context.platform.desktopRect();
    move(desktop.center() - QPoint(kWidth / 2, kHeight / 2));

    label1_ = new QLabel(QStringLiteral("Label1"), this);
    label1_->setGeometry(64, 32, 41, 16);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setFont(formFont(13));

    mes_ = new QComboBox(this);
    mes_->setEditable(true);
    mes_->setInsertPolicy(QComboBox::NoInsert);
    mes_->addItems(kBuiltInMonths);
    mes_->move(120, 32);
    mes_->resize(89, mes_->sizeHint().height());
    connect(mes_, &QComboBox::currentIndexChanged, this, &Tprazd::monthBoxChanged);
    connect(mes_, &QComboBox::editTextChanged, this, &Tprazd::monthBoxChanged);

    lbp_ = new QListWidget(this);
    lbp_->setGeometry(72, 64, 121, 97);
    lbp_->setSelectionMode(QAbstractItemView::SingleSelection);
    lbp_->setContextMenuPolicy(Qt::CustomContextMenu);
    pmp_ = new QMenu(lbp_);
    n1_ = pmp_->addAction(QStringLiteral("Добавить"));
    n2_ = pmp_->addAction(QStringLiteral("Удалить"));
    connect(pmp_, &QMenu::aboutToShow, this, &Tprazd::pmpPopup);
    connect(n1_, &QAction::triggered, this, &Tprazd::n1Click);
    connect(n2_, &QAction::triggered, this, &Tprazd::n2Click);
    connect(lbp_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pmp_->popup(lbp_->viewport()->mapToGlobal(at)); });

    button1_ = new QPushButton(QStringLiteral("Принять"), this);
    button1_->setGeometry(40, 176, 75, 25);
    button1_->setEnabled(false);
    button1_->setAutoDefault(false);
    button2_ = new QPushButton(QStringLiteral("Отмена"), this);
    button2_->setGeometry(152, 176, 75, 25);
    button2_->setAutoDefault(false);
    connect(button1_, &QPushButton::clicked, this, &Tprazd::button1Click);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);
}

QStringList Tprazd::entries() const {
    QStringList list;
    list.reserve(lbp_->count());
    for (int i = 0; i < lbp_->count(); ++i) {
        list.append(lbp_->item(i)->text());
    }
    return list;
}

void Tprazd::setEntries(const QStringList& entries) {
    lbp_->clear();
    lbp_->addItems(entries);
}

void Tprazd::beforeBox() {
    boxOpen_ = true;
}

// When the box has already handed the focus back, its return has been seen
// (while it was open); otherwise the next activation is that return.
void Tprazd::afterBox(bool shown) {
    boxOpen_ = false;
    if (shown) {
        returnPending_ = !isActiveWindow();
    }
}

void Tprazd::report(const QString& error) {
    beforeBox();
    context_.platform.showError(error);
    afterBox(true);
}

bool Tprazd::event(QEvent* e) {
    if (e->type() == QEvent::WindowDeactivate && !boxOpen_) {
        returnPending_ = false;  // the user went elsewhere; coming back reloads
    }
    return ProtocolDialog::event(e);
}

void Tprazd::closed() {
    returnPending_ = false;
}

void Tprazd::activated() {
    if (boxOpen_ || returnPending_) {
        returnPending_ = false;
        return;
    }
    const ProgramFolder& folder = context_.state.programFolder;
    const SettingsRecord& settings = context_.state.settings;
    // An unreadable language file is reported by the section; the dialog
    // then keeps what it showed, which still belongs together.
    beforeBox();
    const bool loaded = texts_.load(folder, settings, &context_.platform);
    afterBox(!loaded);
    if (!loaded) {
        return;
    }
    QStringList months;
    QString error;
    const std::optional<LanguageFile> file = currentLanguageFile(folder, settings, &error);
    if (!file || !file->readList(QStringLiteral("[month]"), months, &error)) {
        report(error);
        return;
    }
    {
        // The month box is refilled and set quietly; the list is read once,
        // below, for the month it ends up on.
        const QSignalBlocker quiet(mes_);
        mes_->clear();
        mes_->addItems(months);
        mes_->setCurrentIndex(context_.platform.now().date().month() - 1);
    }
    lbp_->clear();
    shownMonth_ = 0;
    setWindowTitle(texts_.line(1));
    label1_->setText(texts_.line(2));
    button1_->setText(texts_.line(3));
    button2_->setText(texts_.line(4));
    n1_->setText(texts_.line(7));
    n2_->setText(texts_.line(8));
    mesChange();
}

// The month box says which month by its selected item, or by typed text that
// spells one of its items; anything else names no month.
int Tprazd::selectedMonth() const {
    const int index = mes_->currentIndex();
    const QString text = mes_->currentText();
    if (index >= 0 && mes_->itemText(index) == text) {
        return index + 1;
    }
    const int typed = mes_->findText(text, Qt::MatchFixedString);
    return typed >= 0 ? typed + 1 : 0;
}

// Picking an item changes both the index and the text; the list is read once.
void Tprazd::monthBoxChanged() {
    if (mes_->currentIndex() == readIndex_ && mes_->currentText() == readText_) {
        return;
    }
    mesChange();
}

void Tprazd::mesChange() {
    readIndex_ = mes_->currentIndex();
    readText_ = mes_->currentText();
    lbp_->clear();
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
    QString error;
    const std::optional<QStringList> lines = holidays::read(path, &error);
    if (!lines) {
        report(error);
        return;
    }
    setEntries(*lines);
    shownMonth_ = month;
}

void Tprazd::pmpPopup() {
    button1_->setEnabled(true);
}

void Tprazd::n1Click() {
    beforeBox();
    const std::optional<QString> answer = context_.platform.askText(texts_.line(5), texts_.line(6));
    afterBox(true);
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

void Tprazd::n2Click() {
    QListWidgetItem* item = lbp_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return;
    }
    delete lbp_->takeItem(lbp_->row(item));
}

void Tprazd::button1Click() {
    if (shownMonth_ == 0) {
        report(
            QStringLiteral("Праздники не сохранены: не выбран месяц, список которого удалось "
                           "прочитать. Выберите месяц и повторите."));
        return;
    }
    QString error;
    if (!holidays::write(holidays::pathFor(context_.state.programFolder, shownMonth_), entries(),
                         &error)) {
        report(error);
        return;
    }
    // Only the restart flag changes; the calendar reads the new days at start.
    if (!context_.program.restartProgram([](SettingsRecord&) {}, &error)) {
        report(error);
    }
}
