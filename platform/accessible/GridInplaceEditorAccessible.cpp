#include "platform/accessible/GridInplaceEditorAccessible.h"

#include "platform/grid/GridInplaceEditor.h"
#include "platform/window/ErrorReport.h"

#include <algorithm>
#include <utility>

GridInplaceEditorAccessible::GridInplaceEditorAccessible(GridInplaceEditor* editor)
    : QAccessibleWidget(editor, QAccessible::EditableText)
{
}

GridInplaceEditorAccessible::~GridInplaceEditorAccessible() = default;

GridInplaceEditor* GridInplaceEditorAccessible::editor() const
{
    return static_cast<GridInplaceEditor*>(widget());
}

QString GridInplaceEditorAccessible::text(QAccessible::Text t) const
{
    // The text is shared, not copied, however long it is.
    if (t == QAccessible::Value)
        return editor()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State GridInplaceEditorAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    state.readOnly = false;
    return state;
}

void* GridInplaceEditorAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

std::pair<int, int> GridInplaceEditorAccessible::selectedRange() const
{
    const GridInplaceEditor* e = editor();
    if (!e->hasSelectedText())
        return {0, 0};
    return {int(e->selectionStart()), int(e->selectionEnd())};
}

void GridInplaceEditorAccessible::select(int start, int end)
{
    editor()->setSelection(start, end);
}

void GridInplaceEditorAccessible::deselect()
{
    editor()->deselect();
}

int GridInplaceEditorAccessible::cursorPosition() const
{
    return int(editor()->cursorPosition());
}

void GridInplaceEditorAccessible::setCursorPosition(int position)
{
    editor()->setCursorPosition(position);
}

QString GridInplaceEditorAccessible::text(int startOffset, int endOffset) const
{
    const auto [start, end] = clampedRange(startOffset, endOffset);
    return editor()->text().mid(start, end - start);
}

QRect GridInplaceEditorAccessible::characterRect(int offset) const
{
    const QRect local = editor()->characterRect(offset);
    if (local.isEmpty())
        return {};
    return QRect(editor()->mapToGlobal(local.topLeft()), local.size());
}

int GridInplaceEditorAccessible::offsetAtPoint(const QPoint& point) const
{
    return int(editor()->positionAtPoint(editor()->mapFromGlobal(point)));
}

void GridInplaceEditorAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    // The box scrolls to its caret; the caret going to the end of the piece brings it into view.
    const auto [start, end] = clampedRange(startIndex, endIndex);
    editor()->setCursorPosition(end);
    editor()->setCursorPosition(start);
}

void GridInplaceEditorAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void GridInplaceEditorAccessible::insertText(int offset, const QString& text)
{
    const qsizetype at = std::clamp<qsizetype>(offset, 0, editor()->text().size());
    replaceText(int(at), int(at), text);
}

void GridInplaceEditorAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    const auto [start, end] = clampedRange(startOffset, endOffset);
    // Reached from the accessibility bridge: nothing thrown may unwind into it.
    RunGuarded([this, from = start, to = end, &text] { editor()->replaceRange(from, to, text); });
}

QString GridInplaceEditorAccessible::plainText() const
{
    return editor()->text();
}
