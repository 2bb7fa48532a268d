#include "dialogs/ChooserDialog.h"

#include <QListWidget>
#include <QPushButton>

#include "locale/LanguageSections.h"
#include "locale/OkCaption.h"
#include "platform/Platform.h"
#include "texts/DialogTexts.h"

ChooserDialog::ChooserDialog(DialogContext context, const ChooserSetup& setup, QWidget* parent)
    : ClockDialog(context.protocol, context.showHelp, setup.helpTopic, parent),
      context_(context),
      setup_(setup),
      section_(setup.sectionHeader),
      files_(setup.extension),
      choice_(setup.field) {
    setWindowTitle(setup.caption);
    setFixedSize(323, 186);
    centreOnClocksMonitor(context_.platform);

    fileList_ = new QListWidget(this);
    fileList_->setGeometry(88, 24, 145, 97);
    fileList_->setFocusPolicy(Qt::NoFocus);
    fileList_->hide();

    list_ = new QListWidget(this);
    list_->setGeometry(88, 24, 145, 97);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The list has no label: the caption says what it offers.
    list_->setAccessibleName(setup.caption);

    okButton_ = new QPushButton(dialogtexts::ok(), this);
    okButton_->setGeometry(72, 144, 75, 25);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(dialogtexts::cancel(), this);
    cancelButton_->setGeometry(176, 144, 75, 25);

    connect(okButton_, &QPushButton::clicked, this, &ChooserDialog::confirm);
    connect(list_, &QListWidget::itemDoubleClicked, this, &ChooserDialog::confirm);
    connect(cancelButton_, &QPushButton::clicked, this, &ChooserDialog::reject);
}

// The dialog is prepared at the first activation of each opening only: an
// error box shown while preparing gives the activation back when dismissed,
// and preparing again would show it again without end.
void ChooserDialog::activated() {
    if (prepared_) {
        return;
    }
    prepared_ = true;
    prepare();
}

void ChooserDialog::prepare() {
    changed_ = false;
    ClockState& state = context_.state;
    if (!section_.load(state.programFolder, state.settings, &context_.platform)) {
        return;
    }
    setWindowTitle(section_.line(sections::chooser::Caption));
    list_->setAccessibleName(windowTitle());
    cancelButton_->setText(section_.line(sections::chooser::CancelButton));
    okButton_->setText(okcaption::beside(section_.line(sections::chooser::CancelButton)));

    fileList_->clear();
    list_->clear();
    if (const Expected<void> read = files_.setFolder(state.programFolder.path(setup_.folder));
        !read) {
        context_.platform.showError(read.error());
        return;
    }
    fileList_->addItems(files_.fileNames());
    list_->addItems(files_.visibleNames());
}

void ChooserDialog::confirm() {
    QListWidgetItem* item = list_->currentItem();
    const int row = item && item->isSelected() ? list_->row(item) : -1;
    if (row < 0 || row >= fileList_->count()) {
        accept();
        return;
    }
    const QString name = fileList_->item(row)->text();
    ClockState& state = context_.state;
    const QString problem = SettingsNameChoice::problemWith(name);
    if (!problem.isEmpty()) {
        context_.platform.showMessage(problem);
        return;
    }
    if (const Expected<void> stored = choice_.store(state.programFolder, state.settings, name);
        !stored) {
        context_.platform.showError(stored.error());
        return;
    }
    changed_ = true;
    accept();
}

void ChooserDialog::closed() {
    prepared_ = false;
    if (!changed_) {
        return;
    }
    changed_ = false;
    if (const Expected<void> restarted = context_.program.restartProgram([](SettingsRecord&) {});
        !restarted) {
        context_.platform.showError(restarted.error());
    }
}
