#pragma once

#include <QTextBrowser>

// The program's own help window: shows "\system\help.html" at a topic.
class HelpViewer : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpViewer(QString helpFile);

    // Topic 0 is the start of the file; others jump to the anchor "topic-N".
    void showTopic(int topic);

  private:
    QString helpFile_;
};
