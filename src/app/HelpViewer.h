#pragma once

#include <QTextBrowser>

// The program's own help window: shows a help page at a topic.
class HelpViewer : public QTextBrowser {
    Q_OBJECT
  public:
    HelpViewer();

    // Topic 0 is the start of the page; others jump to the anchor "topic-N".
    // A missing page is said in the window.
    void showTopic(const QString& helpFile, int topic);
};
