#include "platform/grid/LineText.h"

#include <array>

namespace {

// The rules that place a boundary look at a few characters on either side of it; a boundary this far
// from the end of the stretch looked at is where it would be in the whole text.
constexpr qsizetype BoundaryContext = 32;
// How far a step looks for its boundary at once. A grapheme longer than its reach (only contrived text
// has one) is taken in pieces; a longer word is followed stretch by stretch, each longer than the last.
constexpr qsizetype GraphemeReach = 128;
constexpr qsizetype FirstWordReach = 256;
constexpr qsizetype MaxWordReach = 65536;
constexpr qsizetype ReachGrowth = 4;
// A short stretch's boundary attributes (a byte a character) stay on the stack instead of the heap.
constexpr std::size_t StackAttributes = 2048;
// The history forgets its oldest steps beyond either bound, so that editing never hoards memory; the
// latest step is always kept, however long.
constexpr std::size_t MaxUndoSteps = 4096;
constexpr qsizetype MaxUndoCharacters = qsizetype(16) << 20;

bool anyBoundary(qsizetype)
{
    return true;
}

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

qsizetype LineText::nextGrapheme(qsizetype position) const
{
    return boundaryAfter(QTextBoundaryFinder::Grapheme, position, anyBoundary, true);
}

qsizetype LineText::previousGrapheme(qsizetype position) const
{
    return boundaryBefore(QTextBoundaryFinder::Grapheme, position, anyBoundary, true);
}

qsizetype LineText::nextWord(qsizetype position) const
{
    return boundaryAfter(
        QTextBoundaryFinder::Word, position, [this](qsizetype at) { return !m_text[at].isSpace(); }, false);
}

qsizetype LineText::previousWord(qsizetype position) const
{
    return boundaryBefore(
        QTextBoundaryFinder::Word, position, [this](qsizetype at) { return !m_text[at].isSpace(); }, false);
}

std::pair<qsizetype, qsizetype> LineText::wordAt(qsizetype position) const
{
    if (m_text.isEmpty())
        return {0, 0};
    const qsizetype at = std::clamp<qsizetype>(position, 0, m_text.size() - 1);
    return {boundaryBefore(QTextBoundaryFinder::Word, at + 1, anyBoundary, false),
            boundaryAfter(QTextBoundaryFinder::Word, at, anyBoundary, false)};
}

namespace {

// A stretch never starts between the halves of a surrogate pair.
qsizetype stretchStart(const QString& text, qsizetype position)
{
    position = std::max<qsizetype>(0, position);
    if (position > 0 && position < text.size() && text[position].isLowSurrogate())
        --position;
    return position;
}

} // namespace

QList<qsizetype> LineText::graphemeBoundaries(qsizetype from, qsizetype to) const
{
    from = std::clamp<qsizetype>(from, 0, m_text.size());
    to = std::clamp<qsizetype>(to, from, m_text.size());
    QList<qsizetype> boundaries{from};
    if (to == from)
        return boundaries;
    const qsizetype start = stretchStart(m_text, from - BoundaryContext);
    const qsizetype end = std::min(m_text.size(), to + BoundaryContext);
    std::array<unsigned char, StackAttributes> attributes;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, m_text.constData() + start, end - start,
                               attributes.data(), attributes.size());
    finder.setPosition(from - start);
    for (qsizetype b = finder.toNextBoundary(); b >= 0 && start + b < to; b = finder.toNextBoundary())
        boundaries.append(start + b);
    boundaries.append(to);
    return boundaries;
}

qsizetype LineText::boundaryAfter(QTextBoundaryFinder::BoundaryType type, qsizetype position, const Accept& accept,
                                  bool bounded) const
{
    const qsizetype size = m_text.size();
    qsizetype reach = bounded ? GraphemeReach : FirstWordReach;
    std::array<unsigned char, StackAttributes> attributes;
    qsizetype at = std::clamp<qsizetype>(position, 0, size);
    for (; at < size; reach = std::min(reach * ReachGrowth, MaxWordReach)) {
        const qsizetype from = stretchStart(m_text, at - BoundaryContext);
        const qsizetype to = std::min(size, at + reach + BoundaryContext);
        // Boundaries beyond this one may be an effect of the stretch ending where the text goes on.
        qsizetype trusted = to == size ? size : to - BoundaryContext;
        QTextBoundaryFinder finder(type, m_text.constData() + from, to - from, attributes.data(), attributes.size());
        finder.setPosition(at - from);
        for (qsizetype b = finder.toNextBoundary(); b >= 0 && from + b <= trusted; b = finder.toNextBoundary())
            if (from + b == size || accept(from + b))
                return from + b;
        if (bounded) {
            if (m_text[trusted].isLowSurrogate() && m_text[trusted - 1].isHighSurrogate())
                ++trusted;
            return trusted;
        }
        at = trusted;
    }
    return size;
}

qsizetype LineText::boundaryBefore(QTextBoundaryFinder::BoundaryType type, qsizetype position, const Accept& accept,
                                   bool bounded) const
{
    const qsizetype size = m_text.size();
    qsizetype reach = bounded ? GraphemeReach : FirstWordReach;
    std::array<unsigned char, StackAttributes> attributes;
    qsizetype at = std::clamp<qsizetype>(position, 0, size);
    for (; at > 0; reach = std::min(reach * ReachGrowth, MaxWordReach)) {
        const qsizetype from = stretchStart(m_text, at - reach - BoundaryContext);
        const qsizetype to = std::min(size, at + BoundaryContext);
        const qsizetype trusted = from == 0 ? 0 : stretchStart(m_text, from + BoundaryContext);
        QTextBoundaryFinder finder(type, m_text.constData() + from, to - from, attributes.data(), attributes.size());
        finder.setPosition(at - from);
        for (qsizetype b = finder.toPreviousBoundary(); b >= 0 && from + b >= trusted; b = finder.toPreviousBoundary())
            if (from + b == 0 || accept(from + b))
                return from + b;
        if (bounded)
            return trusted;
        at = trusted;
    }
    return 0;
}
