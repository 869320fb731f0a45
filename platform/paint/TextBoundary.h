#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QTextBoundaryFinder>

#include <functional>

// Grapheme, word and sentence boundaries of a text of any length, as QTextBoundaryFinder places them,
// looked for in a stretch of the text around the position asked about: a search in a megabyte costs what
// it costs in a short text.
//
// A bounded search looks at one stretch and, finding nothing there, answers with the stretch's end: an
// item longer than that (only contrived text has such a grapheme) is taken in pieces. An unbounded one
// follows a long item stretch by stretch, each longer than the last, to its real end.
//   "ab e\u0301 cd": the grapheme after 3 -> 5 (the accent stays with its letter); the word before 6 -> 5
class TextBoundary
{
public:
    enum class Search { Bounded, Unbounded };
    // Reads the text from `from` to `to`, for a text that is not at hand whole.
    using Reader = std::function<QString(qsizetype from, qsizetype to)>;
    // Whether a boundary at this position is one the caller stops at; the text's ends always are.
    using Accept = std::function<bool(qsizetype position)>;

    TextBoundary(QTextBoundaryFinder::BoundaryType type, QStringView text);
    TextBoundary(QTextBoundaryFinder::BoundaryType type, qsizetype size, Reader read);

    // The nearest boundary after (or before) `position` that `accept` takes (any, when it is empty).
    qsizetype after(qsizetype position, Search search, const Accept& accept = {}) const;
    qsizetype before(qsizetype position, Search search, const Accept& accept = {}) const;
    // `from`, every boundary between `from` and `to`, and `to`, in order: one look for the whole range.
    QList<qsizetype> between(qsizetype from, qsizetype to) const;

private:
    // The text from `from` to `to`, held in `held` when it had to be read; `from` moves past a low
    // surrogate, so that no stretch starts with half a character.
    QStringView stretch(qsizetype& from, qsizetype to, QString& held) const;

    QTextBoundaryFinder::BoundaryType m_type;
    QStringView m_text;
    qsizetype m_size;
    Reader m_read;
};
