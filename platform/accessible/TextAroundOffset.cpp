#include "platform/accessible/TextAroundOffset.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <optional>

namespace {

// Characters read on each side of the offset; far more than any grapheme cluster or ordinary word.
constexpr int Reach = 256;
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

// The segment holding the character at `offset` (0 <= offset < length).
Segment windowedSegment(const QAccessibleTextInterface& text, int offset, int length,
                        QTextBoundaryFinder::BoundaryType type)
{
    int from = std::max(0, offset - Reach);
    int to = std::min(length, offset + Reach + 1);
    QString piece = text.text(from, to);
    // A window edge inside a surrogate pair would make half a character.
    if (from > 0 && !piece.isEmpty() && piece.front().isLowSurrogate()) {
        piece.remove(0, 1);
        ++from;
    }
    if (to < length && !piece.isEmpty() && piece.back().isHighSurrogate()) {
        piece.chop(1);
        --to;
    }
    QTextBoundaryFinder finder(type, piece);
    const int local = offset - from;
    finder.setPosition(local);
    int start = finder.isAtBoundary() ? local : int(finder.toPreviousBoundary());
    finder.setPosition(local);
    int end = int(finder.toNextBoundary());
    if (start < 0)
        start = 0;
    if (end < 0 || end <= local)
        end = int(piece.size());
    return {from + start, from + end};
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
