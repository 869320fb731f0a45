#include "platform/grid/GridInplaceEditor.h"

#include "platform/ErrorReport.h"
#include "platform/accessible/AccessibleFactory.h"
#include "platform/accessible/GridInplaceEditorAccessible.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include <algorithm>
#include <utility>

namespace {

// The text sits 2 px in from the cell's left, top and right edges.
constexpr int TextInset = 2;
constexpr int CaretWidth = 1;
// However narrow its characters (marks have no width), the box never lays out more than this many.
constexpr qsizetype MaxShown = 1024;
// What an input method sees of the text on either side of the caret.
constexpr qsizetype SurroundingReach = 256;
// The undo history forgets its oldest steps beyond either bound, so that editing never hoards memory;
// the latest step is always kept, however long.
constexpr std::size_t MaxUndoSteps = 4096;
constexpr qsizetype MaxUndoCharacters = qsizetype(16) << 20;

enum class CharClass { Space, Word, Other };

CharClass classOf(QChar c)
{
    if (c.isSpace())
        return CharClass::Space;
    if (c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_'))
        return CharClass::Word;
    return CharClass::Other;
}

bool matchesAny(const QKeyEvent* event, std::initializer_list<QKeySequence::StandardKey> keys)
{
    return std::any_of(keys.begin(), keys.end(),
                       [event](QKeySequence::StandardKey key) { return event->matches(key); });
}

// A menu item's text followed by the key that does the same, as menus show it.
QString withShortcut(const QString& text, QKeySequence::StandardKey key)
{
    const QString keys = QKeySequence(key).toString(QKeySequence::NativeText);
    return keys.isEmpty() ? text : text + QLatin1Char('\t') + keys;
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
    const qsizetype cursorBefore = m_cursor;
    const qsizetype anchorBefore = m_anchor;
    const QString before = std::exchange(m_text, text);
    const bool changed = before != m_text;
    // The steps recorded so far were made on another text.
    m_history.clear();
    m_done = 0;
    m_historyChars = 0;
    closeTypingGroup();
    m_cursor = m_anchor = m_text.size();
    m_first = std::min(m_first, m_cursor);
    scrollToCursor();
    update();
    if (changed)
        announceEdit(0, before, m_text, cursorBefore, anchorBefore);
    else
        announceCaret(cursorBefore, anchorBefore);
    if (changed)
        emit textChanged(m_text);
}

void GridInplaceEditor::setCursorPosition(qsizetype position)
{
    moveCursor(std::clamp<qsizetype>(position, 0, m_text.size()), false);
}

QString GridInplaceEditor::selectedText() const
{
    return m_text.mid(selectionStart(), selectionEnd() - selectionStart());
}

void GridInplaceEditor::setSelection(qsizetype anchor, qsizetype cursor)
{
    const qsizetype cursorBefore = m_cursor;
    const qsizetype anchorBefore = m_anchor;
    closeTypingGroup();
    m_anchor = std::clamp<qsizetype>(anchor, 0, m_text.size());
    m_cursor = std::clamp<qsizetype>(cursor, 0, m_text.size());
    scrollToCursor();
    showCaret();
    announceCaret(cursorBefore, anchorBefore);
}

void GridInplaceEditor::selectAll()
{
    setSelection(0, m_text.size());
}

void GridInplaceEditor::deselect()
{
    const qsizetype anchorBefore = m_anchor;
    closeTypingGroup();
    m_anchor = m_cursor;
    update();
    announceCaret(m_cursor, anchorBefore);
}

void GridInplaceEditor::home(bool mark)
{
    moveCursor(0, mark);
}

void GridInplaceEditor::end(bool mark)
{
    moveCursor(m_text.size(), mark);
}

void GridInplaceEditor::insert(const QString& text)
{
    if (text.isEmpty() && !hasSelectedText())
        return;
    replace(selectionStart(), selectionEnd(), text, EditKind::Typing);
}

void GridInplaceEditor::replaceRange(qsizetype from, qsizetype to, const QString& text)
{
    from = std::clamp<qsizetype>(from, 0, m_text.size());
    to = std::clamp<qsizetype>(to, from, m_text.size());
    if (from == to && text.isEmpty())
        return;
    replace(from, to, text, EditKind::Other);
}

void GridInplaceEditor::backspace()
{
    deleteTo(previousCharacter(m_cursor));
}

void GridInplaceEditor::del()
{
    deleteTo(nextCharacter(m_cursor));
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
        QGuiApplication::clipboard()->setText(selectedText());
}

void GridInplaceEditor::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty() || hasSelectedText())
        replace(selectionStart(), selectionEnd(), text, EditKind::Other);
}

void GridInplaceEditor::undo()
{
    if (!isUndoAvailable())
        return;
    closeTypingGroup();
    const qsizetype cursorBefore = m_cursor;
    const qsizetype anchorBefore = m_anchor;
    const EditStep& step = m_history[--m_done];
    const QString removed = applyText(step.position, step.inserted.size(), step.removed);
    m_cursor = step.cursorBefore;
    m_anchor = step.anchorBefore;
    scrollToCursor();
    showCaret();
    announceEdit(step.position, removed, step.removed, cursorBefore, anchorBefore);
    emit textChanged(m_text);
}

void GridInplaceEditor::redo()
{
    if (!isRedoAvailable())
        return;
    closeTypingGroup();
    const qsizetype cursorBefore = m_cursor;
    const qsizetype anchorBefore = m_anchor;
    const EditStep& step = m_history[m_done++];
    const QString removed = applyText(step.position, step.removed.size(), step.inserted);
    m_cursor = m_anchor = step.position + step.inserted.size();
    scrollToCursor();
    showCaret();
    announceEdit(step.position, removed, step.inserted, cursorBefore, anchorBefore);
    emit textChanged(m_text);
}

QMenu* GridInplaceEditor::createStandardContextMenu()
{
    auto* menu = new QMenu(this);
    const auto add = [this, menu](const QString& text, bool enabled, auto method) {
        QAction* action = menu->addAction(text);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this,
                [this, method] { RunGuarded([this, method] { (this->*method)(); }); });
    };
    const bool selected = hasSelectedText();
    const bool allSelected = selectionStart() == 0 && selectionEnd() == m_text.size();
    add(withShortcut(tr("&Undo"), QKeySequence::Undo), isUndoAvailable(), &GridInplaceEditor::undo);
    add(withShortcut(tr("&Redo"), QKeySequence::Redo), isRedoAvailable(), &GridInplaceEditor::redo);
    menu->addSeparator();
    add(withShortcut(tr("Cu&t"), QKeySequence::Cut), selected, &GridInplaceEditor::cut);
    add(withShortcut(tr("&Copy"), QKeySequence::Copy), selected, &GridInplaceEditor::copy);
    add(withShortcut(tr("&Paste"), QKeySequence::Paste), !QGuiApplication::clipboard()->text().isEmpty(),
        &GridInplaceEditor::paste);
    add(tr("Delete"), selected, &GridInplaceEditor::deleteSelection);
    menu->addSeparator();
    add(withShortcut(tr("Select All"), QKeySequence::SelectAll), !m_text.isEmpty() && !allSelected,
        &GridInplaceEditor::selectAllFromMenu);
    return menu;
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
    const qsizetype cursorBefore = m_cursor;
    const qsizetype anchorBefore = m_anchor;
    editWithKey(event);
    if (hasSelectedText() && (m_cursor != cursorBefore || m_anchor != anchorBefore))
        offerSelection();
}

void GridInplaceEditor::editWithKey(const QKeyEvent* event)
{
    const bool ctrlOnly = (event->modifiers() & Qt::ControlModifier) && !(event->modifiers() & Qt::AltModifier);
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
        moveCursor(hasSelectedText() ? selectionEnd() : nextCharacter(m_cursor), false);
    else if (event->matches(QKeySequence::MoveToPreviousChar))
        moveCursor(hasSelectedText() ? selectionStart() : previousCharacter(m_cursor), false);
    else if (event->matches(QKeySequence::SelectNextChar))
        moveCursor(nextCharacter(m_cursor), true);
    else if (event->matches(QKeySequence::SelectPreviousChar))
        moveCursor(previousCharacter(m_cursor), true);
    else if (event->matches(QKeySequence::MoveToNextWord))
        moveCursor(nextWord(m_cursor), false);
    else if (event->matches(QKeySequence::MoveToPreviousWord))
        moveCursor(previousWord(m_cursor), false);
    else if (event->matches(QKeySequence::SelectNextWord))
        moveCursor(nextWord(m_cursor), true);
    else if (event->matches(QKeySequence::SelectPreviousWord))
        moveCursor(previousWord(m_cursor), true);
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
        deleteTo(previousWord(m_cursor));
    else if (event->matches(QKeySequence::DeleteEndOfWord))
        deleteTo(nextWord(m_cursor));
    else if (event->matches(QKeySequence::DeleteEndOfLine))
        deleteTo(m_text.size());
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
    setSelection(mark ? m_anchor : position, position);
}

void GridInplaceEditor::replace(qsizetype from, qsizetype to, const QString& text, EditKind kind)
{
    const qsizetype cursorBefore = m_cursor;
    const qsizetype anchorBefore = m_anchor;
    record(from, to, text, kind);
    const QString removed = applyText(from, to - from, text);
    m_cursor = m_anchor = from + text.size();
    scrollToCursor();
    showCaret();
    announceEdit(from, removed, text, cursorBefore, anchorBefore);
    emit textChanged(m_text);
}

void GridInplaceEditor::record(qsizetype from, qsizetype to, const QString& text, EditKind kind)
{
    // A new edit ends what could be redone.
    for (auto step = m_history.begin() + qsizetype(m_done); step != m_history.end(); ++step)
        m_historyChars -= step->removed.size() + step->inserted.size();
    m_history.erase(m_history.begin() + qsizetype(m_done), m_history.end());

    const bool joins = kind == EditKind::Typing && m_typingGroupOpen && from == to && !m_history.empty()
                       && m_history.back().position + m_history.back().inserted.size() == from;
    if (joins) {
        m_history.back().inserted += text;
    } else {
        m_history.push_back(EditStep{from, m_text.mid(from, to - from), text, m_cursor, m_anchor});
        m_historyChars += to - from;
    }
    m_historyChars += text.size();
    m_typingGroupOpen = kind == EditKind::Typing;

    while (m_history.size() > MaxUndoSteps || (m_historyChars > MaxUndoCharacters && m_history.size() > 1)) {
        m_historyChars -= m_history.front().removed.size() + m_history.front().inserted.size();
        m_history.pop_front();
    }
    m_done = m_history.size();
}

QString GridInplaceEditor::applyText(qsizetype from, qsizetype length, const QString& text)
{
    QString removed = AccessibilityActive() ? m_text.mid(from, length) : QString();
    m_text.replace(from, length, text);
    m_first = std::min(m_first, from);
    return removed;
}

void GridInplaceEditor::announceCaret(qsizetype cursorBefore, qsizetype anchorBefore)
{
    if (!AccessibilityActive())
        return;
    // Moving an empty selection is only a caret move.
    const bool selectedBefore = cursorBefore != anchorBefore;
    const bool selectionChanged = (selectedBefore || hasSelectedText())
                                  && (std::min(cursorBefore, anchorBefore) != selectionStart()
                                      || std::max(cursorBefore, anchorBefore) != selectionEnd());
    if (selectionChanged)
        GridInplaceEditorAccessible::announceSelection(this);
    if (m_cursor != cursorBefore)
        GridInplaceEditorAccessible::announceCursor(this);
}

void GridInplaceEditor::announceEdit(qsizetype position, const QString& removed, const QString& inserted,
                                     qsizetype cursorBefore, qsizetype anchorBefore)
{
    if (!AccessibilityActive())
        return;
    GridInplaceEditorAccessible::announceTextChange(this, position, removed, inserted);
    announceCaret(cursorBefore, anchorBefore);
}

void GridInplaceEditor::deleteSelection()
{
    if (hasSelectedText())
        replace(selectionStart(), selectionEnd(), QString(), EditKind::Other);
}

void GridInplaceEditor::offerSelection() const
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (hasSelectedText() && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
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
    else if (position != m_cursor)
        replace(std::min(position, m_cursor), std::max(position, m_cursor), QString());
}

qsizetype GridInplaceEditor::nextCharacter(qsizetype position) const
{
    if (position >= m_text.size())
        return m_text.size();
    ++position;
    if (position < m_text.size() && m_text[position].isLowSurrogate() && m_text[position - 1].isHighSurrogate())
        ++position;
    return position;
}

qsizetype GridInplaceEditor::previousCharacter(qsizetype position) const
{
    if (position <= 0)
        return 0;
    --position;
    if (position > 0 && m_text[position].isLowSurrogate() && m_text[position - 1].isHighSurrogate())
        --position;
    return position;
}

qsizetype GridInplaceEditor::nextWord(qsizetype position) const
{
    const qsizetype size = m_text.size();
    if (position < size) {
        const CharClass first = classOf(m_text[position]);
        if (first != CharClass::Space)
            while (position < size && classOf(m_text[position]) == first)
                ++position;
    }
    while (position < size && classOf(m_text[position]) == CharClass::Space)
        ++position;
    return position;
}

qsizetype GridInplaceEditor::previousWord(qsizetype position) const
{
    while (position > 0 && classOf(m_text[position - 1]) == CharClass::Space)
        --position;
    if (position > 0) {
        const CharClass last = classOf(m_text[position - 1]);
        while (position > 0 && classOf(m_text[position - 1]) == last)
            --position;
    }
    return position;
}

// ---- showing the text ------------------------------------------------------------------------------

QRect GridInplaceEditor::textArea() const
{
    return rect().adjusted(TextInset, TextInset, -TextInset, 0);
}

QString GridInplaceEditor::shownText(qsizetype from, qsizetype to) const
{
    // A pasted line break or other control character shows as a space, as in any one-line text box.
    QString shown = m_text.mid(from, to - from);
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return shown;
}

int GridInplaceEditor::advance(qsizetype position) const
{
    return fontMetrics().horizontalAdvance(shownText(position, nextCharacter(position)));
}

qsizetype GridInplaceEditor::visibleEnd() const
{
    const int width = textArea().width();
    qsizetype end = m_first;
    int x = 0;
    while (end < m_text.size() && x <= width && end - m_first < MaxShown) {
        x += advance(end);
        end = nextCharacter(end);
    }
    return end;
}

int GridInplaceEditor::xOf(qsizetype position) const
{
    if (position <= m_first)
        return 0;
    return fontMetrics().horizontalAdvance(shownText(m_first, std::min(position, m_first + MaxShown)));
}

qsizetype GridInplaceEditor::positionAt(int x) const
{
    qsizetype position = m_first;
    int left = 0;
    while (position < m_text.size() && position - m_first < MaxShown) {
        const int width = advance(position);
        if (x < left + width / 2)
            break;
        left += width;
        position = nextCharacter(position);
    }
    return position;
}

QRect GridInplaceEditor::characterRect(qsizetype position) const
{
    if (position < m_first || position >= visibleEnd())
        return {};
    const QRect area = textArea();
    return QRect(area.left() + xOf(position), area.top(), advance(position), fontMetrics().height());
}

qsizetype GridInplaceEditor::positionAtPoint(const QPoint& point) const
{
    // The character under the point, not the caret place nearest to it.
    const QRect area = textArea();
    if (!area.contains(point))
        return -1;
    const qsizetype end = visibleEnd();
    int left = area.left();
    for (qsizetype position = m_first; position < end; position = nextCharacter(position)) {
        left += advance(position);
        if (point.x() < left)
            return position;
    }
    return -1;
}

QRect GridInplaceEditor::caretRect() const
{
    const QRect area = textArea();
    return QRect(area.left() + xOf(m_cursor), area.top(), CaretWidth, fontMetrics().height());
}

void GridInplaceEditor::scrollToCursor()
{
    const int width = textArea().width();
    m_first = std::min(m_first, m_text.size());
    if (m_cursor < m_first) {
        m_first = m_cursor;
    } else if (m_cursor - m_first >= MaxShown || xOf(m_cursor) + CaretWidth > width) {
        // The caret goes to the right edge, with as much text before it as fits.
        qsizetype first = m_cursor;
        int used = CaretWidth;
        while (first > 0 && m_cursor - first < MaxShown) {
            const qsizetype before = previousCharacter(first);
            const int w = advance(before);
            if (used + w > width)
                break;
            used += w;
            first = before;
        }
        m_first = first;
    }
    // Text deleted at the end of a scrolled line: the text moves back in rather than leave a gap.
    if (m_first > 0 && m_text.size() - m_first < MaxShown) {
        int used = xOf(m_text.size()) + CaretWidth;
        while (m_first > 0) {
            const qsizetype before = previousCharacter(m_first);
            const int w = advance(before);
            if (used + w > width)
                break;
            used += w;
            m_first = before;
        }
    }
}

void GridInplaceEditor::showCaret()
{
    m_caretOn = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_blink.start(flash / 2, this);
    update();
}

void GridInplaceEditor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRect area = textArea();
    painter.setClipRect(area);
    const QFontMetrics metrics = fontMetrics();
    const int baseline = area.top() + metrics.ascent();
    const qsizetype end = visibleEnd();
    const QString shown = shownText(m_first, end);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QPoint(area.left(), baseline), shown);

    const qsizetype from = std::max(selectionStart(), m_first);
    const qsizetype to = std::min(selectionEnd(), end);
    if (from < to) {
        const int left = area.left() + xOf(from);
        const QRect selection(left, area.top(), area.left() + xOf(to) - left, metrics.height());
        painter.fillRect(selection, palette().color(QPalette::Highlight));
        painter.setClipRect(selection & area);
        painter.setPen(palette().color(QPalette::HighlightedText));
        painter.drawText(QPoint(area.left(), baseline), shown);
        painter.setClipRect(area);
    }
    if (hasFocus() && m_caretOn)
        painter.fillRect(caretRect(), palette().color(QPalette::Text));
}

void GridInplaceEditor::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    scrollToCursor();
}

void GridInplaceEditor::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        scrollToCursor();
        update();
    }
}

void GridInplaceEditor::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_blink.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_caretOn = !m_caretOn;
    update(caretRect());
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
    else if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection())
        moveCursor(position, false); // the selection's text goes in here when the button is released
}

void GridInplaceEditor::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        return;
    if (event->button() == Qt::LeftButton) {
        offerSelection();
    } else if (event->button() == Qt::MiddleButton) {
        RunGuarded([this, clipboard] {
            const QString text = clipboard->text(QClipboard::Selection);
            if (!text.isEmpty())
                replace(m_cursor, m_cursor, text, EditKind::Other);
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
        x < 0 ? previousCharacter(m_first) : (x > textArea().width() ? visibleEnd() : positionAt(x));
    moveCursor(position, true);
}

void GridInplaceEditor::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || m_text.isEmpty())
        return;
    const qsizetype at = std::min(positionAt(int(event->position().x()) - textArea().left()), m_text.size() - 1);
    const CharClass cls = classOf(m_text[at]);
    qsizetype start = at;
    qsizetype stop = at;
    while (start > 0 && classOf(m_text[start - 1]) == cls)
        --start;
    while (stop < m_text.size() && classOf(m_text[stop]) == cls)
        ++stop;
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
    QWidget::hideEvent(event);
}

void GridInplaceEditor::inputMethodEvent(QInputMethodEvent* event)
{
    RunGuarded([this, event] {
        if (event->commitString().isEmpty() && event->replacementLength() == 0)
            return;
        if (event->replacementLength() > 0) {
            const qsizetype from = std::clamp<qsizetype>(m_cursor + event->replacementStart(), 0, m_text.size());
            const qsizetype to = std::clamp<qsizetype>(from + event->replacementLength(), 0, m_text.size());
            m_anchor = from;
            m_cursor = to;
        }
        insert(event->commitString());
    });
    event->accept();
}

QVariant GridInplaceEditor::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // The input method sees a stretch of text around the caret, never the whole of a long text.
    const qsizetype from = std::max<qsizetype>(0, m_cursor - SurroundingReach);
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return caretRect();
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return int(m_cursor - from);
    case Qt::ImAnchorPosition:
        return int(std::clamp(m_anchor, from, m_cursor + SurroundingReach) - from);
    case Qt::ImSurroundingText:
        return m_text.mid(from, m_cursor + SurroundingReach - from);
    case Qt::ImCurrentSelection:
        return selectedText();
    case Qt::ImHints:
        return int(inputMethodHints());
    default:
        return QWidget::inputMethodQuery(query);
    }
}
