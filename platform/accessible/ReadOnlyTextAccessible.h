#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// A line edit that only shows a value (a count computed from other controls) as assistive technology
// sees it: read-only text whose value is its text, whether or not the edit itself is read-only.
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReadOnlyTextAccessible(QLineEdit* edit);
    ~ReadOnlyTextAccessible() override;

    QString text(QAccessible::Text t) const override;
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
    QString text(int startOffset, int endOffset) const override;
    // Read around the offset only, so a long text answers as fast as a short one.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // Marks `edit` so that the accessibility layer describes it as read-only text.
    static void mark(QLineEdit* edit);
    static bool isMarked(const QObject* object);

private:
    QString shown() const;
};
