#include "platform/grid/GridInplaceEditor.h"

#include "platform/desktop/Clipboard.h"
#include "platform/widgets/TextBoxMenu.h"
#include "platform/window/ErrorReport.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QTextCharFormat>

#include <algorithm>
#include <utility>

namespace {

// What an input method sees of the text on either side of the caret.
constexpr qsizetype SurroundingReach = 256;

bool matchesAny(const QKeyEvent* event, std::initializer_list<QKeySequence::StandardKey> keys)
{
    return std::any_of(keys.begin(), keys.end(),
                       [event](QKeySequence::StandardKey key) { return event->matches(key); });
}

// Ctrl+Shift+Z and Ctrl+Y both redo, whichever of them the platform's key scheme names.
bool isRedoKey(const QKeyEvent* event)
{
    const QKeyCombination keys = event->keyCombination();
    return event->matches(QKeySequence::Redo) || keys == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)
           || keys == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

} // namespace

GridInplaceEditor::GridInplaceEditor(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::IBeamCursor);
    // Reached by the grid itself, never by Tab.
    setFocusPolicy(Qt::ClickFocus);
}

GridInplaceEditor::~GridInplaceEditor() = default;

void GridInplaceEditor::setText(const QString& text)
{
    const qsizetype cursorBefore = cursorPosition();
    const qsizetype anchorBefore = m_line.anchor();
    const QString before = m_line.text();
    m_line.setText(text);
    m_preedit.clear();
    m_first = std::min(m_first, cursorPosition());
    scrollToCursor();
    update();
    if (before == text) {
        announceCaret(cursorBefore, anchorBefore);
        return;
    }
    announceEdit(LineText::Change{0, before, text}, cursorBefore, anchorBefore);
    emit textChanged(text);
}

void GridInplaceEditor::setCursorPosition(qsizetype position)
{
    moveCursor(std::clamp<qsizetype>(position, 0, m_line.size()), false);
}

void GridInplaceEditor::setSelection(qsizetype anchor, qsizetype cursor)
{
    const qsizetype cursorBefore = cursorPosition();
    const qsizetype anchorBefore = m_line.anchor();
    m_line.setSelection(anchor, cursor);
    scrollToCursor();
    showCaret();
    announceCaret(cursorBefore, anchorBefore);
}

void GridInplaceEditor::selectAll()
{
    setSelection(0, m_line.size());
}

void GridInplaceEditor::deselect()
{
    const qsizetype anchorBefore = m_line.anchor();
    m_line.setSelection(cursorPosition(), cursorPosition());
    update();
    announceCaret(cursorPosition(), anchorBefore);
}

void GridInplaceEditor::home(bool mark)
{
    moveCursor(0, mark);
}

void GridInplaceEditor::end(bool mark)
{
    moveCursor(m_line.size(), mark);
}

void GridInplaceEditor::insert(const QString& text)
{
    if (text.isEmpty() && !hasSelectedText())
        return;
    replace(selectionStart(), selectionEnd(), text, EditKind::Typing);
}

void GridInplaceEditor::replaceRange(qsizetype from, qsizetype to, const QString& text)
{
    from = std::clamp<qsizetype>(from, 0, m_line.size());
    to = std::clamp<qsizetype>(to, from, m_line.size());
    if (from == to && text.isEmpty())
        return;
    replace(from, to, text, EditKind::Other);
}

void GridInplaceEditor::backspace()
{
    deleteTo(m_line.previousGrapheme(cursorPosition()));
}

void GridInplaceEditor::del()
{
    deleteTo(m_line.nextGrapheme(cursorPosition()));
}

void GridInplaceEditor::cut()
{
    if (!hasSelectedText())
        return;
    copy();
    deleteSelection();
}

void GridInplaceEditor::copy() const
{
    if (hasSelectedText())
        PlaceTextOnClipboard(selectedText().toStdString());
}

void GridInplaceEditor::paste()
{
    const QString text = ClipboardFirstLine(ClipboardMode::Clipboard);
    if (!text.isEmpty() || hasSelectedText())
        replace(selectionStart(), selectionEnd(), text, EditKind::Other);
}

void GridInplaceEditor::undo()
{
    const qsizetype cursorBefore = cursorPosition();
    const qsizetype anchorBefore = m_line.anchor();
    if (const std::optional<LineText::Change> change = m_line.undo())
        changed(*change, cursorBefore, anchorBefore);
}

void GridInplaceEditor::redo()
{
    const qsizetype cursorBefore = cursorPosition();
    const qsizetype anchorBefore = m_line.anchor();
    if (const std::optional<LineText::Change> change = m_line.redo())
        changed(*change, cursorBefore, anchorBefore);
}

QMenu* GridInplaceEditor::createStandardContextMenu()
{
    TextBoxMenuItems items;
    items.canUndo = isUndoAvailable();
    items.canRedo = isRedoAvailable();
    items.hasSelection = hasSelectedText();
    items.canSelectAll = m_line.size() > 0 && !(selectionStart() == 0 && selectionEnd() == m_line.size());
    items.undo = [this] { undo(); };
    items.redo = [this] { redo(); };
    items.cut = [this] { cut(); };
    items.copy = [this] { copy(); };
    items.paste = [this] { paste(); };
    items.deleteSelection = [this] { deleteSelection(); };
    items.selectAll = [this] { selectAllFromMenu(); };
    return CreateTextBoxMenu(this, items);
}

bool GridInplaceEditor::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        // Tab is taken before keyPressEvent would see it; it must move the focus on from the grid, not
        // from this child of the grid.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool noCtrlAlt = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (noCtrlAlt && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            emit tabPressed(forward);
            return true;
        }
    } else if (event->type() == QEvent::ShortcutOverride) {
        // The editing keys belong to the editor, not to a shortcut of the window that holds the grid.
        if (isEditingKey(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void GridInplaceEditor::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit gridKeyPressed(event->key(), event->modifiers());
        break;
    case Qt::Key_Escape:
        // An edit is never undone.
        break;
    default:
        RunGuarded([this, event] { editKey(event); });
        break;
    }
    // Whatever the editor does not use must not reach the grid underneath as a key of its own.
    event->accept();
}

bool GridInplaceEditor::isEditingKey(const QKeyEvent* event) const
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
        return true;
    default:
        break;
    }
    if (matchesAny(event, {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::SelectAll,
                           QKeySequence::Undo, QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine})
        || isRedoKey(event))
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.front().isPrint();
}

void GridInplaceEditor::editKey(const QKeyEvent* event)
{
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier)
        return; // Insert alone does nothing
    const qsizetype cursorBefore = cursorPosition();
    const qsizetype anchorBefore = m_line.anchor();
    editWithKey(event);
    if (hasSelectedText() && (cursorPosition() != cursorBefore || m_line.anchor() != anchorBefore))
        offerSelection();
}

void GridInplaceEditor::editWithKey(const QKeyEvent* event)
{
    const bool ctrlOnly = (event->modifiers() & Qt::ControlModifier) && !(event->modifiers() & Qt::AltModifier);
    const qsizetype cursor = cursorPosition();
    if (event->matches(QKeySequence::Undo))
        undo();
    else if (isRedoKey(event))
        redo();
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::Cut))
        cut();
    else if (event->matches(QKeySequence::Paste))
        paste();
    else if (event->matches(QKeySequence::MoveToNextChar))
        moveCursor(hasSelectedText() ? selectionEnd() : m_line.nextGrapheme(cursor), false);
    else if (event->matches(QKeySequence::MoveToPreviousChar))
        moveCursor(hasSelectedText() ? selectionStart() : m_line.previousGrapheme(cursor), false);
    else if (event->matches(QKeySequence::SelectNextChar))
        moveCursor(m_line.nextGrapheme(cursor), true);
    else if (event->matches(QKeySequence::SelectPreviousChar))
        moveCursor(m_line.previousGrapheme(cursor), true);
    else if (event->matches(QKeySequence::MoveToNextWord))
        moveCursor(m_line.nextWord(cursor), false);
    else if (event->matches(QKeySequence::MoveToPreviousWord))
        moveCursor(m_line.previousWord(cursor), false);
    else if (event->matches(QKeySequence::SelectNextWord))
        moveCursor(m_line.nextWord(cursor), true);
    else if (event->matches(QKeySequence::SelectPreviousWord))
        moveCursor(m_line.previousWord(cursor), true);
    else if (matchesAny(event, {QKeySequence::MoveToStartOfLine, QKeySequence::MoveToStartOfBlock,
                                QKeySequence::MoveToStartOfDocument}))
        home(false);
    else if (matchesAny(event, {QKeySequence::SelectStartOfLine, QKeySequence::SelectStartOfBlock,
                                QKeySequence::SelectStartOfDocument}))
        home(true);
    else if (matchesAny(event, {QKeySequence::MoveToEndOfLine, QKeySequence::MoveToEndOfBlock,
                                QKeySequence::MoveToEndOfDocument}))
        end(false);
    else if (matchesAny(event, {QKeySequence::SelectEndOfLine, QKeySequence::SelectEndOfBlock,
                                QKeySequence::SelectEndOfDocument}))
        end(true);
    else if (event->matches(QKeySequence::DeleteStartOfWord))
        deleteTo(m_line.previousWord(cursor));
    else if (event->matches(QKeySequence::DeleteEndOfWord))
        deleteTo(m_line.nextWord(cursor));
    else if (event->matches(QKeySequence::DeleteEndOfLine))
        deleteTo(m_line.size());
    else if (event->matches(QKeySequence::DeleteCompleteLine)) {
        selectAll();
        deleteSelection();
    } else if (event->matches(QKeySequence::Delete))
        del();
    else if (event->key() == Qt::Key_Backspace && !ctrlOnly)
        backspace();
    else if (!ctrlOnly && !event->text().isEmpty() && event->text().front().isPrint())
        insert(event->text());
}

void GridInplaceEditor::moveCursor(qsizetype position, bool mark)
{
    setSelection(mark ? m_line.anchor() : position, position);
}

void GridInplaceEditor::replace(qsizetype from, qsizetype to, const QString& text, EditKind kind)
{
    const qsizetype cursorBefore = cursorPosition();
    const qsizetype anchorBefore = m_line.anchor();
    changed(m_line.replace(from, to, text, kind), cursorBefore, anchorBefore);
}

void GridInplaceEditor::changed(const LineText::Change& change, qsizetype cursorBefore, qsizetype anchorBefore)
{
    m_first = std::min(m_first, change.position);
    scrollToCursor();
    showCaret();
    announceEdit(change, cursorBefore, anchorBefore);
    emit textChanged(m_line.text());
}

// The same events a text box of Qt's own sends, carrying only the piece that changed, never the whole of
// a long text.
void GridInplaceEditor::announceCaret(qsizetype cursorBefore, qsizetype anchorBefore)
{
    if (!QAccessible::isActive())
        return;
    // Moving an empty selection is only a caret move.
    const bool selectedBefore = cursorBefore != anchorBefore;
    const bool selectionChanged = (selectedBefore || hasSelectedText())
                                  && (std::min(cursorBefore, anchorBefore) != selectionStart()
                                      || std::max(cursorBefore, anchorBefore) != selectionEnd());
    if (selectionChanged) {
        // No selection is told as -1 to -1.
        const bool selected = hasSelectedText();
        QAccessibleTextSelectionEvent event(this, selected ? int(selectionStart()) : -1,
                                            selected ? int(selectionEnd()) : -1);
        event.setCursorPosition(int(cursorPosition()));
        QAccessible::updateAccessibility(&event);
    }
    if (cursorPosition() != cursorBefore) {
        QAccessibleTextCursorEvent event(this, int(cursorPosition()));
        QAccessible::updateAccessibility(&event);
    }
}

void GridInplaceEditor::announceEdit(const LineText::Change& change, qsizetype cursorBefore, qsizetype anchorBefore)
{
    if (!QAccessible::isActive())
        return;
    const int position = int(change.position);
    if (change.removed.isEmpty() && !change.inserted.isEmpty()) {
        QAccessibleTextInsertEvent event(this, position, change.inserted);
        QAccessible::updateAccessibility(&event);
    } else if (!change.removed.isEmpty() && change.inserted.isEmpty()) {
        QAccessibleTextRemoveEvent event(this, position, change.removed);
        QAccessible::updateAccessibility(&event);
    } else if (!change.removed.isEmpty()) {
        QAccessibleTextUpdateEvent event(this, position, change.removed, change.inserted);
        QAccessible::updateAccessibility(&event);
    }
    announceCaret(cursorBefore, anchorBefore);
}

void GridInplaceEditor::deleteSelection()
{
    if (hasSelectedText())
        replace(selectionStart(), selectionEnd(), QString(), EditKind::Other);
}

void GridInplaceEditor::offerSelection() const
{
    if (hasSelectedText())
        PlaceTextOnSelection(selectedText().toStdString());
}

void GridInplaceEditor::selectAllFromMenu()
{
    selectAll();
    offerSelection();
}

void GridInplaceEditor::deleteTo(qsizetype position)
{
    if (hasSelectedText())
        deleteSelection();
    else if (position != cursorPosition())
        replace(std::min(position, cursorPosition()), std::max(position, cursorPosition()), QString());
}

qsizetype GridInplaceEditor::nextCodePoint(qsizetype position) const
{
    const QString& text = m_line.text();
    if (position >= text.size())
        return text.size();
    ++position;
    if (position < text.size() && text[position].isLowSurrogate() && text[position - 1].isHighSurrogate())
        ++position;
    return position;
}

void GridInplaceEditor::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    showCaret();
}

void GridInplaceEditor::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    m_blink.stop();
    update();
    // Another window in front, or a popup, leaves the editing where it is.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    emit focusLeft();
}

// Every mouse event stops here, as it would in a text box: the grid underneath must not take a click on
// the editor for a click on its cell.
void GridInplaceEditor::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const qsizetype position = positionAt(int(event->position().x()) - textArea().left());
    if (event->button() == Qt::LeftButton)
        moveCursor(position, event->modifiers() & Qt::ShiftModifier);
    else if (event->button() == Qt::MiddleButton && ClipboardSupportsSelection())
        moveCursor(position, false); // the selection's text goes in here when the button is released
}

void GridInplaceEditor::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (!ClipboardSupportsSelection())
        return;
    if (event->button() == Qt::LeftButton) {
        offerSelection();
    } else if (event->button() == Qt::MiddleButton) {
        RunGuarded([this] {
            const QString text = ClipboardFirstLine(ClipboardMode::Selection);
            if (!text.isEmpty())
                replace(cursorPosition(), cursorPosition(), text, EditKind::Other);
        });
    }
}

void GridInplaceEditor::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!(event->buttons() & Qt::LeftButton))
        return;
    // Beyond either edge the selection reaches one character past what shows, so the text scrolls.
    const int x = int(event->position().x()) - textArea().left();
    const qsizetype position =
        x < 0 ? m_line.previousGrapheme(m_first) : (x > textArea().width() ? visibleEnd() : positionAt(x));
    moveCursor(position, true);
}

void GridInplaceEditor::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || m_line.size() == 0)
        return;
    const auto [start, stop] = m_line.wordAt(positionAt(int(event->position().x()) - textArea().left()));
    setSelection(start, stop);
    offerSelection();
}

void GridInplaceEditor::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    RunGuarded([this, event] {
        if (m_menu)
            m_menu->close();
        // A popup, not a modal loop: the grid and its editor stay as they are while it shows, and taking
        // the focus with PopupFocusReason does not count as leaving the cell.
        m_menu = createStandardContextMenu();
        m_menu->setAttribute(Qt::WA_DeleteOnClose);
        m_menu->popup(event->globalPos());
    });
}

void GridInplaceEditor::hideEvent(QHideEvent* event)
{
    // A menu left open would edit a closed editor.
    if (m_menu)
        m_menu->close();
    m_preedit.clear();
    QWidget::hideEvent(event);
}

void GridInplaceEditor::inputMethodEvent(QInputMethodEvent* event)
{
    RunGuarded([this, event] {
        const bool composing = !event->preeditString().isEmpty();
        if (!event->commitString().isEmpty() || event->replacementLength() > 0 || (composing && hasSelectedText())) {
            if (event->replacementLength() > 0) {
                const qsizetype from =
                    std::clamp<qsizetype>(cursorPosition() + event->replacementStart(), 0, m_line.size());
                const qsizetype to = std::clamp<qsizetype>(from + event->replacementLength(), 0, m_line.size());
                m_line.setSelection(from, to);
            }
            insert(event->commitString());
        }
        setPreedit(event);
    });
    event->accept();
}

void GridInplaceEditor::setPreedit(const QInputMethodEvent* event)
{
    m_preedit = event->preeditString();
    m_preeditFormats.clear();
    m_preeditCursor = m_preedit.size();
    m_preeditCaretShown = true;
    for (const QInputMethodEvent::Attribute& attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor) {
            m_preeditCursor = std::clamp<qsizetype>(attribute.start, 0, m_preedit.size());
            m_preeditCaretShown = attribute.length != 0;
        } else if (attribute.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat format = qvariant_cast<QTextFormat>(attribute.value).toCharFormat();
            if (format.isValid())
                m_preeditFormats.append({attribute.start, attribute.length, format});
        }
    }
    scrollToCursor();
    showCaret();
}

QVariant GridInplaceEditor::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // The input method sees a stretch of text around the caret, never the whole of a long text.
    const qsizetype cursor = cursorPosition();
    const qsizetype from = std::max<qsizetype>(0, cursor - SurroundingReach);
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return caretRect();
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return int(cursor - from);
    case Qt::ImAnchorPosition:
        return int(std::clamp(m_line.anchor(), from, cursor + SurroundingReach) - from);
    case Qt::ImSurroundingText:
        return m_line.text().mid(from, cursor + SurroundingReach - from);
    case Qt::ImCurrentSelection:
        return selectedText();
    case Qt::ImHints:
        return int(inputMethodHints());
    default:
        return QWidget::inputMethodQuery(query);
    }
}
