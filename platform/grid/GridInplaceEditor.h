#pragma once

#include "platform/grid/LineText.h"

#include <QBasicTimer>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTextLayout>
#include <QWidget>

class QMenu;
class QPainter;

// The borderless one-line editor that a string grid lays over its current cell. It edits the text
// itself and hands the keys that belong to the grid (moving between cells, Enter, Tab) back to it.
// A text box that lays out its whole text on every change stalls on a pasted megabyte; this one keeps
// the text as it is and lays out only the characters that the box shows around the caret. The text, its
// caret and its history live in a LineText; the editor paints it, scrolls it and turns input into edits.
class GridInplaceEditor : public QWidget
{
    Q_OBJECT
public:
    explicit GridInplaceEditor(QWidget* parent = nullptr);
    ~GridInplaceEditor() override;

    QString text() const { return m_line.text(); }
    // The caret goes to the end, nothing selected; textChanged when the text differs.
    void setText(const QString& text);

    qsizetype cursorPosition() const { return m_line.cursor(); }
    void setCursorPosition(qsizetype position);
    bool hasSelectedText() const { return m_line.hasSelection(); }
    QString selectedText() const { return m_line.selectedText(); }
    qsizetype selectionStart() const { return m_line.selectionStart(); }
    qsizetype selectionEnd() const { return m_line.selectionEnd(); }
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
    // Delete the selection, or else the character (grapheme) before (backspace) or after (del) the caret.
    void backspace();
    void del();
    void cut();
    void copy() const;
    // Only the first line of what the clipboard holds: a one-line box takes no line break.
    void paste();

    // The history covers one text: setText, which the grid calls whenever the editor opens, clears it.
    bool isUndoAvailable() const { return m_line.isUndoAvailable(); }
    bool isRedoAvailable() const { return m_line.isRedoAvailable(); }
    void undo();
    void redo();

    // Undo, Redo, Cut, Copy, Paste, Delete, Select All, each enabled only when it applies. The caller
    // owns the menu.
    QMenu* createStandardContextMenu();

    // Where the character at `position` shows, in the editor's coordinates; an empty rectangle for the
    // characters the box does not lay out. And the character under `point`, or -1 where none shows.
    QRect characterRect(qsizetype position) const;
    qsizetype positionAtPoint(const QPoint& point) const;

    // What an input method is composing at the caret, not yet part of the text.
    QString preeditText() const { return m_preedit; }

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
    using EditKind = LineText::EditKind;

    bool isEditingKey(const QKeyEvent* event) const;
    void editKey(const QKeyEvent* event);
    void editWithKey(const QKeyEvent* event);
    void moveCursor(qsizetype position, bool mark);
    void replace(qsizetype from, qsizetype to, const QString& text, EditKind kind = EditKind::Other);
    // After the model changed: the view follows, a listening screen reader hears, the grid is told.
    void changed(const LineText::Change& change, qsizetype cursorBefore, qsizetype anchorBefore);
    void offerSelection() const;
    void deleteSelection();
    void selectAllFromMenu();
    void deleteTo(qsizetype position);
    void setPreedit(const QInputMethodEvent* event);
    // One code point on, for the places a screen reader asks about, which count in code units.
    qsizetype nextCodePoint(qsizetype position) const;

    QRect textArea() const;
    QString shownText(qsizetype from, qsizetype to) const;
    int advance(qsizetype from, qsizetype to) const;
    qsizetype visibleEnd() const;
    int xOf(qsizetype position) const;
    qsizetype positionAt(int x) const;
    int preeditCaretX() const;
    QRect caretRect() const;
    void paintPreedit(QPainter& painter, const QRect& area, qsizetype end) const;
    void scrollToCursor();
    void showCaret();
    // Tell a listening screen reader what changed since the caret and anchor were as given.
    void announceCaret(qsizetype cursorBefore, qsizetype anchorBefore);
    void announceEdit(const LineText::Change& change, qsizetype cursorBefore, qsizetype anchorBefore);

    LineText m_line;
    // The first character shown at the left of the box.
    qsizetype m_first = 0;
    bool m_caretOn = false;
    QBasicTimer m_blink;
    QPointer<QMenu> m_menu;

    QString m_preedit;
    // The input method's looks for stretches of its text (an underline, as a rule), and its caret.
    QList<QTextLayout::FormatRange> m_preeditFormats;
    qsizetype m_preeditCursor = 0;
    bool m_preeditCaretShown = true;
};
