#include "platform/paint/LongLine.h"

#include "platform/paint/TextBoundary.h"

#include <QFontMetrics>
#include <QList>

#include <algorithm>

namespace {

constexpr qsizetype FirstCutLength = 16;
// Characters kept beyond the part measured to cover the box, so that whatever the cut itself changes
// (a ligature, an Arabic letter losing its joining neighbour, an ampersand losing its pair) happens
// outside the box.
constexpr qsizetype CutGuard = 16;
// Characters beyond the width in pixels that the search for a fitting end looks at: enough for an emoji
// sequence or a letter with a stack of marks across the search's start.
constexpr qsizetype GraphemeContext = 32;
constexpr QChar Ampersand = QLatin1Char('&');

enum class Strong { None, Left, Right, Control };

// The bidirectional class that matters for a cut at the code point starting at `i` (or ending there when
// `before`); `length` is set to its length in UTF-16 units.
Strong strongAt(const QString& text, qsizetype i, bool before, qsizetype& length)
{
    char32_t code = text[i].unicode();
    length = 1;
    if (before && text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()) {
        code = QChar::surrogateToUcs4(text[i - 1], text[i]);
        length = 2;
    } else if (!before && text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        code = QChar::surrogateToUcs4(text[i], text[i + 1]);
        length = 2;
    }
    switch (QChar::direction(code)) {
    case QChar::DirL:
        return Strong::Left;
    case QChar::DirR:
    case QChar::DirAL:
        return Strong::Right;
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
        return Strong::Control;
    default:
        return Strong::None;
    }
}

// Digits, blanks and punctuation of the basic Latin block: the common case, told apart without a look-up.
bool isAsciiNeutral(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x80 && !((u | 0x20) >= 'a' && (u | 0x20) <= 'z');
}

// Moves a cut of a left-to-right line so that what it keeps is ordered and resolved as in the whole line.
// The first strong character on the far side of the cut decides how the neutrals and numbers near it
// resolve and whether a right-to-left run crosses it; when it is right-to-left the cut moves out to the
// nearest left-to-right letter, where the line starts or ends afresh. An explicit embedding or isolate
// met on the way keeps the whole text.
qsizetype bidiSafeCut(const QString& text, qsizetype cut, bool tail)
{
    bool crossedRight = false;
    qsizetype length = 0;
    if (tail) {
        for (qsizetype i = cut - 1; i >= 0; i -= length) {
            if (isAsciiNeutral(text[i])) {
                length = 1;
                continue;
            }
            switch (strongAt(text, i, true, length)) {
            case Strong::Left:
                return crossedRight ? i + 1 - length : cut;
            case Strong::Right:
                crossedRight = true;
                break;
            case Strong::Control:
                return 0;
            case Strong::None:
                break;
            }
        }
        return crossedRight ? 0 : cut; // the paragraph itself starts left to right
    }
    for (qsizetype i = cut; i < text.size(); i += length) {
        if (isAsciiNeutral(text[i])) {
            length = 1;
            continue;
        }
        switch (strongAt(text, i, false, length)) {
        case Strong::Left:
            return crossedRight ? i : cut;
        case Strong::Right:
            crossedRight = true;
            break;
        case Strong::Control:
            return text.size();
        case Strong::None:
            break;
        }
    }
    return crossedRight ? text.size() : cut;
}

// The nearest grapheme boundary at or before (`down`) or after `cut`.
qsizetype graphemeBoundary(const QString& text, qsizetype cut, bool down)
{
    if (cut <= 0 || cut >= text.size())
        return cut;
    const TextBoundary graphemes(QTextBoundaryFinder::Grapheme, text);
    return down ? graphemes.before(cut + 1, TextBoundary::Search::Bounded)
                : graphemes.after(cut - 1, TextBoundary::Search::Bounded);
}

// Whether every character from `from` on is a grapheme of its own drawn without shaping: below the
// combining marks, no surrogates.
bool isSimpleTail(const QString& text, qsizetype from)
{
    constexpr char16_t FirstCombiningMark = 0x0300;
    for (qsizetype i = from; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u >= FirstCombiningMark || u < 0x20)
            return false;
    }
    return true;
}

// Below the first right-to-left block no character reorders a line, and no explicit direction control
// lies there: such a text needs no bidirectional care when it is cut.
constexpr char16_t FirstBidiSensitive = 0x0590;

} // namespace

bool IsBelowBidiBlocks(const QString& text)
{
    // Branch-free within a block, so it runs at the speed of memory; a mixed text stops at its first block.
    constexpr qsizetype Block = 256;
    const auto* units = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype start = 0; start < text.size(); start += Block) {
        const qsizetype end = std::min(text.size(), start + Block);
        char16_t highest = 0;
        for (qsizetype i = start; i < end; ++i)
            highest = std::max(highest, units[i]);
        if (highest >= FirstBidiSensitive)
            return false;
    }
    return true;
}

bool StartsRightToLeft(const QString& text)
{
    qsizetype length = 0;
    for (qsizetype i = 0; i < text.size(); i += length) {
        if (isAsciiNeutral(text[i])) {
            length = 1;
            continue;
        }
        switch (strongAt(text, i, false, length)) {
        case Strong::Left:
            return false;
        case Strong::Right:
            return true;
        case Strong::Control:
            return text.isRightToLeft(); // isolates are skipped there
        case Strong::None:
            break;
        }
    }
    return false;
}

int LineWidth(const QFontMetrics& metrics, const QString& line, int measureFlags)
{
    return (measureFlags & Qt::TextShowMnemonic) ? metrics.size(measureFlags, line).width()
                                                 : metrics.horizontalAdvance(line);
}

// The end of a long single line that a box of `width` pixels shows: its tail when right-aligned, its head
// otherwise, grown until it is wider than the box in this font, then widened to whole graphemes and to
// where the bidirectional algorithm starts afresh. A tail begins with a whole run of ampersands, so each
// ampersand pairs as it does in the whole text.
QString VisiblePart(const QString& text, const QFontMetrics& metrics, int width, bool tail, bool prefix,
                    bool leftToRightOnly)
{
    const int measureFlags = Qt::TextSingleLine | (prefix ? Qt::TextShowMnemonic : 0);
    for (qsizetype length = FirstCutLength; length + CutGuard < text.size(); length *= 2) {
        const QString core = tail ? text.right(length) : text.left(length);
        if (LineWidth(metrics, core, measureFlags) <= width)
            continue;
        if (!tail) {
            qsizetype end = graphemeBoundary(text, length + CutGuard, false);
            if (!leftToRightOnly)
                end = bidiSafeCut(text, end, false);
            return text.left(end);
        }
        qsizetype cut = graphemeBoundary(text, text.size() - length - CutGuard, true);
        if (!leftToRightOnly)
            cut = bidiSafeCut(text, cut, true);
        while (prefix && cut > 0 && text[cut - 1] == Ampersand)
            --cut;
        return text.mid(cut);
    }
    return text;
}

// The longest run of whole graphemes from the end of `text` that fits in `width`. No grapheme is narrower
// than a pixel, so the search looks no further back than the width allows.
QString EndThatFits(const QString& text, const QFontMetrics& metrics, int width, int measureFlags)
{
    const qsizetype reach = std::max<qsizetype>(0, text.size() - std::max(width, 0) - GraphemeContext);
    const qsizetype from = graphemeBoundary(text, std::min(reach, text.size()), false);
    const auto fitsFrom = [&](qsizetype start) { return LineWidth(metrics, text.mid(start), measureFlags) <= width; };
    if (!(measureFlags & Qt::TextShowMnemonic) && isSimpleTail(text, from)) {
        // Letters, digits and punctuation, one grapheme each: their advances add up without shaping,
        // up to the kerning, which measuring the run found then settles.
        qsizetype start = text.size();
        int sum = 0;
        while (start > from && sum + metrics.horizontalAdvance(text[start - 1]) <= width)
            sum += metrics.horizontalAdvance(text[--start]);
        while (start < text.size() && !fitsFrom(start))
            ++start;
        return text.mid(start);
    }
    QList<qsizetype> starts = TextBoundary(QTextBoundaryFinder::Grapheme, text).between(from, text.size());
    starts.removeLast();
    std::reverse(starts.begin(), starts.end()); // grapheme starts, nearest the end first
    const auto fits = [&](qsizetype index) { return fitsFrom(starts[index]); };
    // Widths grow with every grapheme added in front. A first guess from the font's average width, then
    // a grapheme at a time: usually two or three measurements.
    const qsizetype count = starts.size();
    if (count == 0)
        return QString();
    qsizetype shown = std::clamp<qsizetype>(width / std::max(1, metrics.averageCharWidth()), 1, count);
    if (fits(shown - 1)) {
        while (shown < count && fits(shown))
            ++shown;
        return text.mid(starts[shown - 1]);
    }
    while (shown > 1 && !fits(shown - 2))
        --shown;
    return shown > 1 ? text.mid(starts[shown - 2]) : QString();
}
