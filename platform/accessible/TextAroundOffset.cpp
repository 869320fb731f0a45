#include "platform/accessible/TextAroundOffset.h"

#include "platform/paint/TextBoundary.h"

#include <optional>

namespace {

// Qt's way of asking about the caret.
constexpr int CaretOffset = -2;

struct Segment
{
    int start = 0;
    int end = 0;
};

std::optional<QTextBoundaryFinder::BoundaryType> finderType(QAccessible::TextBoundaryType type)
{
    switch (type) {
    case QAccessible::CharBoundary:
        return QTextBoundaryFinder::Grapheme;
    case QAccessible::WordBoundary:
        return QTextBoundaryFinder::Word;
    case QAccessible::SentenceBoundary:
        return QTextBoundaryFinder::Sentence;
    default:
        return std::nullopt;
    }
}

// The segment holding the character at `offset` (0 <= offset < length). A word or sentence longer than
// the stretch a search looks at comes in pieces.
Segment windowedSegment(const QAccessibleTextInterface& text, int offset, int length,
                        QTextBoundaryFinder::BoundaryType type)
{
    const TextBoundary boundaries(type, length,
                                  [&text](qsizetype from, qsizetype to) { return text.text(int(from), int(to)); });
    return {int(boundaries.before(offset + 1, TextBoundary::Search::Bounded)),
            int(boundaries.after(offset, TextBoundary::Search::Bounded))};
}

// The line holding `offset`, its line break included.
Segment lineSegment(const QAccessibleTextInterface& text, int offset, int length)
{
    const QString all = text.text(0, length);
    const qsizetype before = offset > 0 ? all.lastIndexOf(u'\n', offset - 1) : -1;
    const qsizetype after = all.indexOf(u'\n', offset);
    return {int(before + 1), after < 0 ? length : int(after + 1)};
}

Segment segmentAt(const QAccessibleTextInterface& text, int offset, int length, QAccessible::TextBoundaryType type)
{
    if (type == QAccessible::NoBoundary)
        return {0, length};
    if (const auto finder = finderType(type))
        return windowedSegment(text, offset, length, *finder);
    return lineSegment(text, offset, length);
}

int resolvedOffset(const QAccessibleTextInterface& text, int offset)
{
    return offset == CaretOffset ? text.cursorPosition() : offset;
}

QString answer(const QAccessibleTextInterface& text, std::optional<Segment> segment, int* startOffset, int* endOffset)
{
    if (!segment || segment->start >= segment->end) {
        *startOffset = -1;
        *endOffset = -1;
        return {};
    }
    *startOffset = segment->start;
    *endOffset = segment->end;
    return text.text(segment->start, segment->end);
}

} // namespace

QString TextAtOffset(const QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType boundaryType,
                     int* startOffset, int* endOffset)
{
    const int length = text.characterCount();
    offset = resolvedOffset(text, offset);
    std::optional<Segment> segment;
    if (offset >= 0 && offset < length)
        segment = segmentAt(text, offset, length, boundaryType);
    return answer(text, segment, startOffset, endOffset);
}

QString TextBeforeOffset(const QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType boundaryType,
                         int* startOffset, int* endOffset)
{
    const int length = text.characterCount();
    offset = resolvedOffset(text, offset);
    std::optional<Segment> segment;
    if (offset >= 0 && offset <= length) {
        const int start = offset < length ? segmentAt(text, offset, length, boundaryType).start : length;
        if (start > 0)
            segment = segmentAt(text, start - 1, length, boundaryType);
    }
    return answer(text, segment, startOffset, endOffset);
}

QString TextAfterOffset(const QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType boundaryType,
                        int* startOffset, int* endOffset)
{
    const int length = text.characterCount();
    offset = resolvedOffset(text, offset);
    std::optional<Segment> segment;
    if (offset >= 0 && offset < length) {
        const int end = segmentAt(text, offset, length, boundaryType).end;
        if (end < length)
            segment = segmentAt(text, end, length, boundaryType);
    }
    return answer(text, segment, startOffset, endOffset);
}
