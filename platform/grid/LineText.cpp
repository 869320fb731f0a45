#include "platform/grid/LineText.h"

#include "platform/paint/TextBoundary.h"

namespace {

// The history forgets its oldest steps beyond either bound, so that editing never hoards memory; the
// latest step is always kept, however long.
constexpr std::size_t MaxUndoSteps = 4096;
constexpr qsizetype MaxUndoCharacters = qsizetype(16) << 20;

} // namespace

void LineText::setText(const QString& text)
{
    m_text = text;
    m_history.clear();
    m_done = 0;
    m_historyChars = 0;
    closeTypingGroup();
    m_cursor = m_anchor = m_text.size();
}

void LineText::setSelection(qsizetype anchor, qsizetype cursor)
{
    closeTypingGroup();
    m_anchor = std::clamp<qsizetype>(anchor, 0, m_text.size());
    m_cursor = std::clamp<qsizetype>(cursor, 0, m_text.size());
}

LineText::Change LineText::replace(qsizetype from, qsizetype to, const QString& text, EditKind kind)
{
    from = std::clamp<qsizetype>(from, 0, m_text.size());
    to = std::clamp<qsizetype>(to, from, m_text.size());
    Change change{from, m_text.mid(from, to - from), text};
    record(from, change.removed, text, kind);
    m_text.replace(from, to - from, text);
    m_cursor = m_anchor = from + text.size();
    return change;
}

void LineText::record(qsizetype from, const QString& removed, const QString& inserted, EditKind kind)
{
    // A new edit ends what could be redone.
    for (auto step = m_history.begin() + qsizetype(m_done); step != m_history.end(); ++step)
        m_historyChars -= step->removed.size() + step->inserted.size();
    m_history.erase(m_history.begin() + qsizetype(m_done), m_history.end());

    const bool joins = kind == EditKind::Typing && m_typingGroupOpen && removed.isEmpty() && !m_history.empty()
                       && m_history.back().position + m_history.back().inserted.size() == from;
    if (joins) {
        m_history.back().inserted += inserted;
    } else {
        m_history.push_back(EditStep{from, removed, inserted, m_cursor, m_anchor});
        m_historyChars += removed.size();
    }
    m_historyChars += inserted.size();
    m_typingGroupOpen = kind == EditKind::Typing;

    while (m_history.size() > MaxUndoSteps || (m_historyChars > MaxUndoCharacters && m_history.size() > 1)) {
        m_historyChars -= m_history.front().removed.size() + m_history.front().inserted.size();
        m_history.pop_front();
    }
    m_done = m_history.size();
}

std::optional<LineText::Change> LineText::undo()
{
    if (!isUndoAvailable())
        return std::nullopt;
    closeTypingGroup();
    const EditStep& step = m_history[--m_done];
    m_text.replace(step.position, step.inserted.size(), step.removed);
    m_cursor = step.cursorBefore;
    m_anchor = step.anchorBefore;
    return Change{step.position, step.inserted, step.removed};
}

std::optional<LineText::Change> LineText::redo()
{
    if (!isRedoAvailable())
        return std::nullopt;
    closeTypingGroup();
    const EditStep& step = m_history[m_done++];
    m_text.replace(step.position, step.removed.size(), step.inserted);
    m_cursor = m_anchor = step.position + step.inserted.size();
    return Change{step.position, step.removed, step.inserted};
}

// A grapheme longer than a search's reach (only contrived text has one) is stepped over in pieces; a word
// is followed to its end however long.
qsizetype LineText::nextGrapheme(qsizetype position) const
{
    return TextBoundary(QTextBoundaryFinder::Grapheme, m_text).after(position, TextBoundary::Search::Bounded);
}

qsizetype LineText::previousGrapheme(qsizetype position) const
{
    return TextBoundary(QTextBoundaryFinder::Grapheme, m_text).before(position, TextBoundary::Search::Bounded);
}

qsizetype LineText::nextWord(qsizetype position) const
{
    return TextBoundary(QTextBoundaryFinder::Word, m_text)
        .after(position, TextBoundary::Search::Unbounded, [this](qsizetype at) { return !m_text[at].isSpace(); });
}

qsizetype LineText::previousWord(qsizetype position) const
{
    return TextBoundary(QTextBoundaryFinder::Word, m_text)
        .before(position, TextBoundary::Search::Unbounded, [this](qsizetype at) { return !m_text[at].isSpace(); });
}

std::pair<qsizetype, qsizetype> LineText::wordAt(qsizetype position) const
{
    if (m_text.isEmpty())
        return {0, 0};
    const qsizetype at = std::clamp<qsizetype>(position, 0, m_text.size() - 1);
    const TextBoundary words(QTextBoundaryFinder::Word, m_text);
    return {words.before(at + 1, TextBoundary::Search::Unbounded), words.after(at, TextBoundary::Search::Unbounded)};
}

QList<qsizetype> LineText::graphemeBoundaries(qsizetype from, qsizetype to) const
{
    return TextBoundary(QTextBoundaryFinder::Grapheme, m_text).between(from, to);
}
