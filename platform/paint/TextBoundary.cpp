#include "platform/paint/TextBoundary.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The rules that place a boundary look at a few characters on either side of it; a boundary this far
// from the end of the stretch looked at is where it would be in the whole text.
constexpr qsizetype Context = 32;
// How far a search looks at once; an unbounded one looks further each time, up to the last reach.
constexpr qsizetype FirstReach = 128;
constexpr qsizetype MaxReach = 65536;
constexpr qsizetype ReachGrowth = 4;
// A short stretch's boundary attributes (a byte a character) stay on the stack instead of the heap.
constexpr std::size_t StackAttributes = 2048;

using Attributes = std::array<unsigned char, StackAttributes>;

// A grapheme is a few characters (an emoji sequence, a letter with a stack of marks): a bounded search for
// one looks no further than the context, which keeps a cut of every long cell in view cheap.
qsizetype firstReach(QTextBoundaryFinder::BoundaryType type, TextBoundary::Search search)
{
    return type == QTextBoundaryFinder::Grapheme && search == TextBoundary::Search::Bounded ? Context : FirstReach;
}

} // namespace

TextBoundary::TextBoundary(QTextBoundaryFinder::BoundaryType type, QStringView text)
    : m_type(type)
    , m_text(text)
    , m_size(text.size())
{
}

TextBoundary::TextBoundary(QTextBoundaryFinder::BoundaryType type, qsizetype size, Reader read)
    : m_type(type)
    , m_size(size)
    , m_read(std::move(read))
{
}

QStringView TextBoundary::stretch(qsizetype& from, qsizetype to, QString& held) const
{
    QStringView chars;
    if (m_read) {
        held = m_read(from, to);
        chars = held;
    } else {
        chars = m_text.sliced(from, to - from);
    }
    if (from > 0 && !chars.isEmpty() && chars.front().isLowSurrogate()) {
        chars = chars.sliced(1);
        ++from;
    }
    return chars;
}

qsizetype TextBoundary::after(qsizetype position, Search search, const Accept& accept) const
{
    Attributes attributes;
    QString held;
    qsizetype reach = firstReach(m_type, search);
    for (qsizetype at = std::clamp<qsizetype>(position, 0, m_size); at < m_size;
         reach = std::min(reach * ReachGrowth, MaxReach)) {
        qsizetype from = std::max<qsizetype>(0, at - Context);
        const qsizetype to = std::min(m_size, at + reach + Context);
        const QStringView chars = stretch(from, to, held);
        // Boundaries beyond this one may be an effect of the stretch ending where the text goes on.
        qsizetype trusted = to == m_size ? m_size : to - Context;
        QTextBoundaryFinder finder(m_type, chars, attributes.data(), qsizetype(attributes.size()));
        finder.setPosition(at - from);
        for (qsizetype b = finder.toNextBoundary(); b >= 0 && from + b <= trusted; b = finder.toNextBoundary())
            if (from + b == m_size || !accept || accept(from + b))
                return from + b;
        if (search == Search::Bounded) {
            if (chars[trusted - from].isLowSurrogate() && chars[trusted - from - 1].isHighSurrogate())
                ++trusted;
            return trusted;
        }
        at = trusted;
    }
    return m_size;
}

qsizetype TextBoundary::before(qsizetype position, Search search, const Accept& accept) const
{
    Attributes attributes;
    QString held;
    qsizetype reach = firstReach(m_type, search);
    for (qsizetype at = std::clamp<qsizetype>(position, 0, m_size); at > 0;
         reach = std::min(reach * ReachGrowth, MaxReach)) {
        qsizetype from = std::max<qsizetype>(0, at - reach - Context);
        const qsizetype to = std::min(m_size, at + Context);
        const QStringView chars = stretch(from, to, held);
        qsizetype trusted = 0;
        if (from > 0) {
            trusted = from + Context;
            if (chars[Context].isLowSurrogate())
                --trusted;
        }
        QTextBoundaryFinder finder(m_type, chars, attributes.data(), qsizetype(attributes.size()));
        finder.setPosition(at - from);
        for (qsizetype b = finder.toPreviousBoundary(); b >= 0 && from + b >= trusted; b = finder.toPreviousBoundary())
            if (from + b == 0 || !accept || accept(from + b))
                return from + b;
        if (search == Search::Bounded)
            return trusted;
        at = trusted;
    }
    return 0;
}

QList<qsizetype> TextBoundary::between(qsizetype from, qsizetype to) const
{
    from = std::clamp<qsizetype>(from, 0, m_size);
    to = std::clamp<qsizetype>(to, from, m_size);
    QList<qsizetype> boundaries{from};
    if (to == from)
        return boundaries;
    Attributes attributes;
    QString held;
    qsizetype start = std::max<qsizetype>(0, from - Context);
    const QStringView chars = stretch(start, std::min(m_size, to + Context), held);
    QTextBoundaryFinder finder(m_type, chars, attributes.data(), qsizetype(attributes.size()));
    finder.setPosition(from - start);
    for (qsizetype b = finder.toNextBoundary(); b >= 0 && start + b < to; b = finder.toNextBoundary())
        boundaries.append(start + b);
    boundaries.append(to);
    return boundaries;
}
