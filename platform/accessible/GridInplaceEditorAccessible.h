#pragma once

#include "platform/accessible/PlainTextInterface.h"

#include <QAccessibleWidget>
#include <QString>

#include <utility>

class GridInplaceEditor;

// The grid's in-place editor as assistive technology sees it: an editable text field holding the cell's
// whole text, with its caret and selection, named after the cell it edits. Edits made through it go
// through the editor's own editing, so the cell follows and they can be undone.
class GridInplaceEditorAccessible : public QAccessibleWidget,
                                    public PlainTextInterface,
                                    public QAccessibleEditableTextInterface
{
public:
    explicit GridInplaceEditorAccessible(GridInplaceEditor* editor);
    ~GridInplaceEditorAccessible() override;

    GridInplaceEditor* editor() const;

    QString text(QAccessible::Text t) const override;
    using PlainTextInterface::text;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    // Only the characters the box lays out have a place on screen.
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

protected:
    QString plainText() const override;

private:
    // A range from outside, put in order and kept within the text.
    std::pair<qsizetype, qsizetype> clampedRange(int startOffset, int endOffset) const;
};
