#pragma once

#include "platform/accessible/PlainTextInterface.h"

#include <QAccessibleWidget>

class QLineEdit;

// A line edit that only shows a value (a count computed from other controls) as assistive technology
// sees it: read-only text whose value is its text, whether or not the edit itself is read-only.
class ReadOnlyTextAccessible : public QAccessibleWidget, public PlainTextInterface
{
public:
    explicit ReadOnlyTextAccessible(QLineEdit* edit);
    ~ReadOnlyTextAccessible() override;

    QString text(QAccessible::Text t) const override;
    using PlainTextInterface::text;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The shown text, read the way a screen reader reads a text field; nothing in it can be selected.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

protected:
    QString plainText() const override;

private:
    QString shown() const;
};
