#pragma once

#include "platform/accessible/SelectableTextInterface.h"

#include <QAccessibleWidget>
#include <QString>

class GridInplaceEditor;

// The grid's in-place editor as assistive technology sees it: an editable text field holding the cell's
// whole text, with its caret and selection, named after the cell it edits. Edits made through it go
// through the editor's own editing, so the cell follows and they can be undone.
class GridInplaceEditorAccessible : public QAccessibleWidget,
                                    public SelectableTextInterface,
                                    public QAccessibleEditableTextInterface
{
public:
    explicit GridInplaceEditorAccessible(GridInplaceEditor* editor);
    ~GridInplaceEditorAccessible() override;

    GridInplaceEditor* editor() const;

    QString text(QAccessible::Text t) const override;
    using SelectableTextInterface::text;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

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
    std::pair<int, int> selectedRange() const override;
    void select(int start, int end) override;
    void deselect() override;
};
