#include "desktop/ui/TForm12.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>

#include "clockface/ui/TJImage.h"
#include "desktop/ProjectLinks.h"
#include "desktop/ui/JpegDecoder.h"
#include "desktop/ui/THyperlinkLabel.h"
#include "platform/Platform.h"

// The picture is compiled into a static library; nothing would pull its
// resource in unless it is asked for by name.
static void initAboutResource() {
    static const bool done = [] {
        Q_INIT_RESOURCE(desktop_about);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {

constexpr int kWidth = 386;
constexpr int kMargin = 8;

// A label as wide as its text needs, kept inside the box.
void placeLabel(QLabel* label, int left, int top, int minWidth, int height) {
    const int width = qMax(minWidth, label->sizeHint().width());
    label->setGeometry(qMax(0, qMin(left, kWidth - kMargin - width)), top, width,
                       qMax(height, label->sizeHint().height()));
}

}  // namespace

TForm12::TForm12(DialogContext context, std::function<QString()> caption, QWidget* parent)
    : ProtocolDialog(context.protocol, context.showHelp, 0, parent), caption_(std::move(caption)) {
    setFixedSize(kWidth, 179);
    move(context.platform.desktopRect().center() - rect().center());

    label1_ = new QLabel(QStringLiteral("Version 1.3.5"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    QFont font = label1_->font();
    font.setPixelSize(12);
    label1_->setFont(font);
    placeLabel(label1_, 144, 8, 62, 13);

    jImage1_ = new TJImage(this);
    jImage1_->setObjectName(QStringLiteral("JImage1"));
    const QImage image = aboutPicture();
    jImage1_->setPicture(image);
    // A damaged picture leaves its place empty.
    jImage1_->setGeometry(QRect(QPoint(8, 32), image.isNull() ? QSize(99, 91) : image.size()));

    listBox1_ = new QListWidget(this);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    listBox1_->setGeometry(120, 32, 257, 97);
    listBox1_->addItems(acknowledgementLines());

    const QString email = QString::fromUtf8(projectlinks::kEmail);
    hyperlinkLabel1_ = new THyperlinkLabel(context.platform, this);
    hyperlinkLabel1_->setObjectName(QStringLiteral("HyperlinkLabel1"));
    hyperlinkLabel1_->setKind(THyperlinkLabelKind::hlEmail);
    hyperlinkLabel1_->Email().Address = email;
    hyperlinkLabel1_->setText(email);
    placeLabel(hyperlinkLabel1_, 264, 144, 83, 13);

    const QString web = QString::fromUtf8(projectlinks::kHomePage);
    hyperlinkLabel2_ = new THyperlinkLabel(context.platform, this);
    hyperlinkLabel2_->setObjectName(QStringLiteral("HyperlinkLabel2"));
    hyperlinkLabel2_->setKind(THyperlinkLabelKind::hlWWW);
    hyperlinkLabel2_->setURL(web);
    hyperlinkLabel2_->setText(web);
    placeLabel(hyperlinkLabel2_, 16, 144, 104, 13);
}

void TForm12::activated() {
    QString text = caption_ ? caption_() : QString();
    if (text.startsWith(QLatin1Char('&'))) {
        text.remove(0, 1);
    }
    setWindowTitle(text);
}

QImage TForm12::aboutPicture() {
    initAboutResource();
    QFile file(QStringLiteral(":/desktop/about.jpg"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QImage();
    }
    return JpegDecoder::decode(file.readAll());
}

QStringList TForm12::acknowledgementLines() {
    return {
        QStringLiteral("Спасибо за идеи всем,"),
        QStringLiteral("кто писал нам письма."),
        QString(),
        QStringLiteral("Спасибо за обложки художникам,"),
        QStringLiteral("приславшим свои рисунки."),
        QString(),
        QStringLiteral("Спасибо за проверку всем, кто"),
        QStringLiteral("первым запускал новые версии"),
        QStringLiteral("и сообщал нам об ошибках."),
        QString(),
        QStringLiteral("Отдельное спасибо родным"),
        QStringLiteral("и друзьям за терпение."),
        QStringLiteral("— разработчики Chronidex"),
    };
}
