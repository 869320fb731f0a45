#pragma once

#include <QBasicTimer>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <deque>

class QMenu;

// The borderless one-line editor that a string grid lays over its current cell. It edits the text
// itself and hands the keys that belong to the grid (moving between cells, Enter, Tab) back to it.
// A text box that lays out its whole text on every change stalls on a pasted megabyte; this one keeps
// the text as it is and lays out only the characters that the box shows around the caret.
class GridInplaceEditor : public QWidget
{
    Q_OBJECT
public:
    explicit GridInplaceEditor(QWidget* parent = nullptr);
    ~GridInplaceEditor() override;

    QString text() const { return m_text; }
    // The caret goes to the end, nothing selected; textChanged when the text differs.
    void setText(const QString& text);

    qsizetype cursorPosition() const { return m_cursor; }
    void setCursorPosition(qsizetype position);
    bool hasSelectedText() const { return m_anchor != m_cursor; }
    QString selectedText() const;
    qsizetype selectionStart() const { return std::min(m_anchor, m_cursor); }
    qsizetype selectionEnd() const { return std::max(m_anchor, m_cursor); }
    // Selects from `anchor` to `cursor` (both kept within the text), the caret at `cursor`.
    void setSelection(qsizetype anchor, qsizetype cursor);
    void selectAll();
    void deselect();
    // Move the caret to the start or the end; `mark` extends the selection.
    void home(bool mark);
    void end(bool mark);

    // Replaces the selection (or inserts at the caret) and leaves the caret after the new text. It counts
    // as typing: one undo step takes it back together with the characters typed right after it.
    void insert(const QString& text);
    // Replaces [from, to) as one step of its own, as a paste would; the caret follows the new text.
    void replaceRange(qsizetype from, qsizetype to, const QString& text);
    // Delete the selection, or else the character before (backspace) or after (del) the caret.
    void backspace();
    void del();
    void cut();
    void copy() const;
    void paste();

    // The history covers one text: setText, which the grid calls whenever the editor opens, clears it.
    bool isUndoAvailable() const { return m_done > 0; }
    bool isRedoAvailable() const { return m_done < m_history.size(); }
    void undo();
    void redo();

    // Undo, Redo, Cut, Copy, Paste, Delete, Select All, each enabled only when it applies. The caller
    // owns the menu.
    QMenu* createStandardContextMenu();

    // Where the character at `position` shows, in the editor's coordinates; an empty rectangle for the
    // characters the box does not lay out. And the character under `point`, or -1 where none shows.
    QRect characterRect(qsizetype position) const;
    qsizetype positionAtPoint(const QPoint& point) const;

signals:
    void textChanged(const QString& text);
    // Up, Down, Page Up, Page Down (with their modifiers), Enter and Return.
    void gridKeyPressed(int key, Qt::KeyboardModifiers modifiers);
    // Tab or Shift+Tab: the focus is to leave the grid.
    void tabPressed(bool forward);
    // The focus moved away (the grid tells whether it went outside).
    void focusLeft();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    // Typed characters join the step before them; anything else is a step of its own.
    enum class EditKind { Typing, Other };

    // One change of the text: at `position`, `removed` gave way to `inserted`. The caret and anchor
    // before it come back on undo; after it, the caret follows the inserted text.
    struct EditStep
    {
        qsizetype position = 0;
        QString removed;
        QString inserted;
        qsizetype cursorBefore = 0;
        qsizetype anchorBefore = 0;
    };

    bool isEditingKey(const QKeyEvent* event) const;
    void editKey(const QKeyEvent* event);
    void editWithKey(const QKeyEvent* event);
    void moveCursor(qsizetype position, bool mark);
    void replace(qsizetype from, qsizetype to, const QString& text, EditKind kind = EditKind::Other);
    void record(qsizetype from, qsizetype to, const QString& text, EditKind kind);
    // Returns what it replaced while a screen reader listens (nothing otherwise, so as not to copy).
    QString applyText(qsizetype from, qsizetype length, const QString& text);
    void closeTypingGroup() { m_typingGroupOpen = false; }
    void offerSelection() const;
    void deleteSelection();
    void selectAllFromMenu();
    void deleteTo(qsizetype position);
    qsizetype nextCharacter(qsizetype position) const;
    qsizetype previousCharacter(qsizetype position) const;
    qsizetype nextWord(qsizetype position) const;
    qsizetype previousWord(qsizetype position) const;

    QRect textArea() const;
    QString shownText(qsizetype from, qsizetype to) const;
    int advance(qsizetype position) const;
    qsizetype visibleEnd() const;
    int xOf(qsizetype position) const;
    qsizetype positionAt(int x) const;
    QRect caretRect() const;
    void scrollToCursor();
    void showCaret();
    // Tell a listening screen reader what changed since the caret and anchor were as given.
    void announceCaret(qsizetype cursorBefore, qsizetype anchorBefore);
    void announceEdit(qsizetype position, const QString& removed, const QString& inserted, qsizetype cursorBefore,
                      qsizetype anchorBefore);

    QString m_text;
    qsizetype m_cursor = 0;
    qsizetype m_anchor = 0;
    // The first character shown at the left of the box.
    qsizetype m_first = 0;
    bool m_caretOn = false;
    QBasicTimer m_blink;

    // Steps [0, m_done) can be undone, [m_done, end) redone.
    std::deque<EditStep> m_history;
    std::size_t m_done = 0;
    qsizetype m_historyChars = 0;
    bool m_typingGroupOpen = false;
    QPointer<QMenu> m_menu;
};
