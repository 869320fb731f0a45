#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <deque>
#include <optional>
#include <utility>

// The text of a one-line editor without the editor: its characters, caret and anchor, and the history of
// its changes. Steps go over what a reader takes for one character (a letter with its accents, an emoji
// with its modifiers) and over words, as Qt's text boundaries define them. Every boundary is looked for in
// a stretch of text around the position asked about, so a step in a megabyte costs what it costs in a
// short text.
class LineText
{
public:
    // Typed characters join the step before them; anything else is a step of its own.
    enum class EditKind { Typing, Other };

    // What one change did: at `position`, `removed` gave way to `inserted`.
    struct Change
    {
        qsizetype position = 0;
        QString removed;
        QString inserted;
    };

    const QString& text() const { return m_text; }
    qsizetype size() const { return m_text.size(); }
    // A new text with the caret at its end, nothing selected and no history: the steps recorded so far
    // were made on another text.
    void setText(const QString& text);

    qsizetype cursor() const { return m_cursor; }
    qsizetype anchor() const { return m_anchor; }
    bool hasSelection() const { return m_anchor != m_cursor; }
    qsizetype selectionStart() const { return std::min(m_anchor, m_cursor); }
    qsizetype selectionEnd() const { return std::max(m_anchor, m_cursor); }
    QString selectedText() const { return m_text.mid(selectionStart(), selectionEnd() - selectionStart()); }
    // Both ends kept within the text. A caret or selection change ends a group of typing.
    void setSelection(qsizetype anchor, qsizetype cursor);

    // Replaces [from, to), kept within the text, and leaves the caret after the new text.
    Change replace(qsizetype from, qsizetype to, const QString& text, EditKind kind);
    // The next typed character starts a step of its own.
    void closeTypingGroup() { m_typingGroupOpen = false; }

    bool isUndoAvailable() const { return m_done > 0; }
    bool isRedoAvailable() const { return m_done < m_history.size(); }
    // Undo brings back the caret and the selection as they were before the step; redo puts the caret after
    // the step's text. Nothing when there is nothing to undo or redo.
    std::optional<Change> undo();
    std::optional<Change> redo();

    // The place one character (grapheme) after or before `position`.
    qsizetype nextGrapheme(qsizetype position) const;
    qsizetype previousGrapheme(qsizetype position) const;
    // The start of the next word or sign after `position` (or the end), and of the one before it (or 0).
    qsizetype nextWord(qsizetype position) const;
    qsizetype previousWord(qsizetype position) const;
    // The word, the sign or the run of blanks that holds the character at `position`.
    std::pair<qsizetype, qsizetype> wordAt(qsizetype position) const;
    // `from`, every grapheme boundary between `from` and `to`, and `to`, in order: one look at the text
    // for a whole stretch, for a view that measures character by character.
    QList<qsizetype> graphemeBoundaries(qsizetype from, qsizetype to) const;

private:
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

    void record(qsizetype from, const QString& removed, const QString& inserted, EditKind kind);

    QString m_text;
    qsizetype m_cursor = 0;
    qsizetype m_anchor = 0;
    // Steps [0, m_done) can be undone, [m_done, end) redone.
    std::deque<EditStep> m_history;
    std::size_t m_done = 0;
    qsizetype m_historyChars = 0;
    bool m_typingGroupOpen = false;
};
