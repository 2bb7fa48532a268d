#include "desktop/ui/AboutBox.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>

#include "clockface/ui/PictureView.h"
#include "desktop/ProjectLinks.h"
#include "desktop/ui/JpegDecoder.h"
#include "desktop/ui/LinkLabel.h"
#include "platform/Platform.h"
#include "texts/AboutTexts.h"

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

AboutBox::AboutBox(DialogContext context, std::function<QString()> caption, QWidget* parent)
    : ClockDialog(context.protocol, context.showHelp, 0, parent), caption_(std::move(caption)) {
    setFixedSize(kWidth, 179);
    centreOnClocksMonitor(context.platform);

    versionLabel_ = new QLabel(QStringLiteral("Version 1.3.5"), this);
    QFont font = versionLabel_->font();
    font.setPixelSize(12);
    versionLabel_->setFont(font);
    placeLabel(versionLabel_, 144, 8, 62, 13);

    picture_ = new PictureView(this);
    const QImage image = aboutPicture();
    picture_->setPicture(image);
    // A damaged picture leaves its place empty.
    picture_->setGeometry(QRect(QPoint(8, 32), image.isNull() ? QSize(99, 91) : image.size()));

    acknowledgementList_ = new QListWidget(this);
    acknowledgementList_->setUniformItemSizes(true);
    acknowledgementList_->setAccessibleName(abouttexts::acknowledgementsName());
    acknowledgementList_->addItems(abouttexts::acknowledgements());
    // Whole lines only: the list ends below the last line that fits its place.
    const int frames = 2 * acknowledgementList_->frameWidth();
    const int line = qMax(1, acknowledgementList_->sizeHintForRow(0));
    acknowledgementList_->setGeometry(120, 32, 257, frames + (97 - frames) / line * line);

    const QString email = QString::fromUtf8(projectlinks::kEmail);
    emailLink_ = new LinkLabel(context.platform, this);
    emailLink_->setKind(LinkKind::Mail);
    emailLink_->mail().address = email;
    emailLink_->setText(email);
    placeLabel(emailLink_, 264, 144, 83, 13);

    const QString web = QString::fromUtf8(projectlinks::kHomePage);
    webLink_ = new LinkLabel(context.platform, this);
    webLink_->setKind(LinkKind::Web);
    webLink_->setUrl(web);
    webLink_->setText(web);
    placeLabel(webLink_, 16, 144, 104, 13);
    setTabOrder(acknowledgementList_, webLink_);
    setTabOrder(webLink_, emailLink_);
}

void AboutBox::activated() {
    takeCaption();
}

void AboutBox::showEvent(QShowEvent* event) {
    takeCaption();
    ClockDialog::showEvent(event);
}

void AboutBox::takeCaption() {
    QString text = caption_ ? caption_() : QString();
    if (text.startsWith(QLatin1Char('&'))) {
        text.remove(0, 1);
    }
    setWindowTitle(text);
}

QImage AboutBox::aboutPicture() {
    initAboutResource();
    QFile file(QStringLiteral(":/desktop/about.jpg"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QImage();
    }
    return JpegDecoder::decode(file.readAll());
}
