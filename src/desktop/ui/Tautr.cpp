#include "desktop/ui/Tautr.h"

#include <QLabel>
#include <QPushButton>

#include "locale/LanguageSection.h"
#include "platform/Platform.h"

Tautr::Tautr(DialogContext context, QWidget* parent)
    : ProtocolDialog(context.protocol, context.showHelp, 5, parent), context_(context) {
    setWindowTitle(QStringLiteral("Автозапуск"));
    setFixedSize(280, 118);
    move(context_.platform.desktopRect().center() - rect().center());

    label1_ = new QLabel(QStringLiteral("Автозапуск установлен. Отменить?"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(0, 24, 281, 17);
    label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1_->setWordWrap(true);
    QFont font = label1_->font();
    font.setPixelSize(13);
    label1_->setFont(font);

    button1_ = new QPushButton(QStringLiteral("Button1"), this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setGeometry(40, 72, 75, 25);
    button2_ = new QPushButton(QStringLiteral("Button2"), this);
    button2_->setObjectName(QStringLiteral("Button2"));
    button2_->setGeometry(160, 72, 75, 25);
    connect(button1_, &QPushButton::clicked, this, &Tautr::carryOut);
    connect(button2_, &QPushButton::clicked, this, &Tautr::reject);

    // The texts are read once: a change of language reaches this dialog with
    // the restart that the language chooser performs.
    LanguageSection section(QStringLiteral("[funaut]"), 5);
    const bool loaded =
        section.load(context_.state.programFolder, context_.state.settings, &context_.platform);
    if (loaded) {
        setWindowTitle(section.line(1));
        button1_->setText(section.line(4));
        button2_->setText(section.line(5));
    }
    // The startup folder does not depend on the texts, so it is known even
    // when the language file could not be read.
    switch_ = std::make_unique<AutostartSwitch>(
        AutostartEntry(context_.platform.autostartFolder(), context_.state.programFolder.root()),
        section.line(2), section.line(3));
    if (loaded) {
        label1_->setText(switch_->question());
    }
}

void Tautr::activated() {
    label1_->setText(switch_->question());
}

void Tautr::carryOut() {
    switch_->carryOut(label1_->text());
    accept();
}
