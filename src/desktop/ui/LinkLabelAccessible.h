#pragma once

#include <QAccessibleWidget>

class LinkLabel;

// A link label as a screen reader knows it: a link named by the text it
// shows, whose press action opens it as a click does.
class LinkLabelAccessible : public QAccessibleWidget {
  public:
    explicit LinkLabelAccessible(LinkLabel* label);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

  private:
    LinkLabel* label() const;
};
