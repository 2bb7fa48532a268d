#include "desktop/ui/AutostartDialog.h"

#include <QLabel>
#include <QPushButton>

#include "locale/LanguageSection.h"
#include "locale/LanguageSections.h"
#include "platform/Platform.h"
#include "texts/DialogTexts.h"

AutostartDialog::AutostartDialog(DialogContext context, QWidget* parent)
    : ClockDialog(context.protocol, context.showHelp, 5, parent), context_(context) {
    setWindowTitle(dialogtexts::autostartCaption());
    setFixedSize(280, 118);
    centreOnClocksMonitor(context_.platform);

    questionLabel_ = new QLabel(dialogtexts::autostartQuestionIfSet(), this);
    questionLabel_->setGeometry(0, 24, 281, 17);
    questionLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    questionLabel_->setWordWrap(true);
    // The label is a pixel wider than the dialog: its text keeps clear of both edges.
    questionLabel_->setContentsMargins(3, 0, 4, 0);
    QFont font = questionLabel_->font();
    font.setPixelSize(13);
    questionLabel_->setFont(font);

    yesButton_ = new QPushButton(QStringLiteral("Button1"), this);
    yesButton_->setGeometry(40, 72, 75, 25);
    noButton_ = new QPushButton(QStringLiteral("Button2"), this);
    noButton_->setGeometry(160, 72, 75, 25);
    connect(yesButton_, &QPushButton::clicked, this, &AutostartDialog::carryOut);
    connect(noButton_, &QPushButton::clicked, this, &AutostartDialog::reject);

    // The texts are read once: a change of language reaches this dialog with
    // the restart that the language chooser performs.
    LanguageSection section(QLatin1String(sections::autostart::kHeader));
    const bool loaded =
        section.load(context_.state.programFolder, context_.state.settings, &context_.platform);
    if (loaded) {
        setWindowTitle(section.line(sections::autostart::Caption));
        yesButton_->setText(section.line(sections::autostart::YesButton));
        noButton_->setText(section.line(sections::autostart::NoButton));
    }
    // The startup folder does not depend on the texts, so it is known even
    // when the language file could not be read.
    switch_ = std::make_unique<AutostartSwitch>(
        AutostartEntry(context_.platform.autostartFolder(), context_.state.programFolder.root(),
                       context_.program.executable()),
        section.line(sections::autostart::QuestionIfSet),
        section.line(sections::autostart::QuestionIfNotSet));
    if (loaded) {
        questionLabel_->setText(switch_->question());
    }
}

void AutostartDialog::activated() {
    questionLabel_->setText(switch_->question());
}

void AutostartDialog::carryOut() {
    switch_->carryOut(questionLabel_->text());
    accept();
}
