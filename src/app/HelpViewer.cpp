#include "app/HelpViewer.h"

#include <QFileInfo>
#include <QUrl>

HelpViewer::HelpViewer(QString helpFile) : helpFile_(std::move(helpFile)) {
    setWindowTitle(QStringLiteral("Chronidex"));
    setOpenExternalLinks(true);
    resize(640, 560);
}

void HelpViewer::showTopic(int topic) {
    if (!QFileInfo(helpFile_).isFile()) {
        setPlainText(tr("Файла справки «%1» нет.").arg(helpFile_));
    } else {
        QUrl url = QUrl::fromLocalFile(helpFile_);
        if (topic > 0) {
            url.setFragment(QStringLiteral("topic-%1").arg(topic));
        }
        setSource(url);
        if (topic > 0) {
            scrollToAnchor(url.fragment());
        }
    }
    show();
    raise();
    activateWindow();
}
