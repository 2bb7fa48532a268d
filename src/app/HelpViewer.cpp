#include "app/HelpViewer.h"

#include <QFileInfo>
#include <QUrl>

#include "texts/MenuTexts.h"
#include "texts/ProgramTexts.h"

HelpViewer::HelpViewer() {
    setWindowTitle(QStringLiteral("Chronidex"));
    // A screen reader would take the window for the clock, which it names
    // Chronidex too: it is named as the menu item that opens it.
    setAccessibleName(menutexts::help());
    setOpenExternalLinks(true);
    // The pages leave the margin around the text to the viewer.
    document()->setDocumentMargin(14);
    resize(640, 560);
}

void HelpViewer::showTopic(const QString& helpFile, int topic) {
    if (!QFileInfo(helpFile).isFile()) {
        setPlainText(programtexts::helpFileMissing(helpFile));
    } else {
        QUrl url = QUrl::fromLocalFile(helpFile);
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
