#pragma once

#include <QAccessibleTextInterface>

// The text interface of an object that shows one short text and can be
// neither selected in nor typed into: the clock's time. A reader asks for
// the whole text or its words; there is no caret and no selection.
class ReadOnlyText : public QAccessibleTextInterface {
  public:
    // The text as it is now.
    virtual QString shownText() const = 0;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return int(shownText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
};
