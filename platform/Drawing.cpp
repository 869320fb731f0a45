#include "platform/Drawing.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

// Laying out a line costs what the whole text costs, clipped or not: a long single line is cut to the part
// that reaches into the box before it is laid out. Shorter texts are not worth measuring.
constexpr qsizetype CutFromLength = 256;
constexpr qsizetype FirstCutLength = 64;
// Characters kept beyond the part measured to cover the box, so that whatever the cut itself changes
// (a ligature or a mark losing its neighbour, an ampersand losing its pair) happens outside the box.
constexpr qsizetype CutGuard = 16;
constexpr QChar Ampersand = QLatin1Char('&');
// Below the first right-to-left block no character reorders the line or joins with a far one.
constexpr char16_t FirstBidiSensitive = 0x0590;

// Whether every character of the text is drawn where a left-to-right line puts it whatever lies far
// before or after it: right-to-left characters and direction controls reorder whole runs, and
// characters beyond the basic plane include the regional indicators, which pair up from the start.
bool isDrawnLocally(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < FirstBidiSensitive)
            continue;
        if (c.isSurrogate())
            return false;
        switch (c.direction()) {
        case QChar::DirL:
        case QChar::DirEN:
        case QChar::DirES:
        case QChar::DirET:
        case QChar::DirCS:
        case QChar::DirNSM:
        case QChar::DirBN:
        case QChar::DirB:
        case QChar::DirS:
        case QChar::DirWS:
        case QChar::DirON:
            break;
        default:
            return false;
        }
    }
    return true;
}

// The end of a long single line that a box of `width` pixels shows: its tail when right-aligned, its head
// otherwise, grown until it is wider than the box in this font. A tail begins with a whole run of
// ampersands, so each ampersand pairs as it does in the whole text.
QString visiblePart(const QString& text, const QFontMetrics& metrics, int width, bool tail, bool prefix)
{
    const int measureFlags = Qt::TextSingleLine | (prefix ? Qt::TextShowMnemonic : 0);
    for (qsizetype length = FirstCutLength; length + CutGuard < text.size(); length *= 2) {
        const QString core = tail ? text.right(length) : text.left(length);
        if (metrics.size(measureFlags, core).width() <= width)
            continue;
        if (!tail)
            return text.left(length + CutGuard);
        qsizetype cut = text.size() - length - CutGuard;
        while (prefix && cut > 0 && text[cut - 1] == Ampersand)
            --cut;
        return text.mid(cut);
    }
    return text;
}

} // namespace

void FillRect(QPainter& canvas, const QRect& rect)
{
    canvas.fillRect(rect, canvas.brush());
}

void InflateRect(QRect& rect, int dx, int dy)
{
    rect.adjust(-dx, -dy, dx, dy);
}

void DrawTextA(QPainter& canvas, const QString& text, const QRect& rect, unsigned flags)
{
    int qtFlags = (flags & Dt::NoPrefix) ? 0 : int(Qt::TextShowMnemonic);
    if (flags & Dt::Right)
        qtFlags |= Qt::AlignRight;
    else if (flags & Dt::Center)
        qtFlags |= Qt::AlignHCenter;
    else
        qtFlags |= Qt::AlignLeft;
    if (flags & Dt::SingleLine)
        qtFlags |= Qt::TextSingleLine | ((flags & Dt::VCenter) ? Qt::AlignVCenter : Qt::AlignTop);
    else
        qtFlags |= Qt::AlignTop;
    if (flags & Dt::ExpandTabs)
        qtFlags |= Qt::TextExpandTabs;

    // Centred text would need its middle measured from both ends; it keeps its whole layout. Tab stops
    // count from the start of the line, and a right-to-left canvas reorders the whole line.
    const bool cuttable = (flags & Dt::SingleLine) && !(flags & (Dt::NoClip | Dt::Center | Dt::ExpandTabs))
                          && !(flags & Dt::RtlReading) && canvas.layoutDirection() != Qt::RightToLeft
                          && text.size() >= CutFromLength && isDrawnLocally(text);
    const QString shown = cuttable ? visiblePart(text, canvas.fontMetrics(), rect.width(), (flags & Dt::Right) != 0,
                                                 !(flags & Dt::NoPrefix))
                                   : text;

    canvas.save();
    if (!(flags & Dt::NoClip))
        canvas.setClipRect(rect, Qt::IntersectClip);
    canvas.drawText(rect, qtFlags | Qt::TextDontClip, shown);
    canvas.restore();
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b;
    const std::uint64_t magnitude = static_cast<std::uint64_t>(std::llabs(product));
    const std::uint64_t divisor = static_cast<std::uint64_t>(std::llabs(std::int64_t{c}));
    const std::uint64_t quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
        return -1;
    const bool negative = (product < 0) != (c < 0);
    const auto result = static_cast<int>(quotient);
    return negative ? -result : result;
}

void Frame3D(QPainter& canvas, QRect& rect, const QColor& top, const QColor& bottom, int width)
{
    for (int ring = 0; ring < width; ++ring) {
        const int left = rect.x();
        const int topEdge = rect.y();
        const int right = rect.x() + rect.width(); // exclusive
        const int bottomEdge = rect.y() + rect.height();
        canvas.fillRect(QRect(left, topEdge, 1, bottomEdge - topEdge - 1), top);
        canvas.fillRect(QRect(left, topEdge, right - left - 1, 1), top);
        canvas.fillRect(QRect(right - 1, topEdge, 1, bottomEdge - topEdge), bottom);
        canvas.fillRect(QRect(left, bottomEdge - 1, right - left, 1), bottom);
        InflateRect(rect, -1, -1);
    }
}

void DrawOutline(QPainter& canvas, const QRect& rect, const QColor& color)
{
    const int left = rect.x();
    const int top = rect.y();
    const int right = rect.x() + rect.width(); // the pen covers the column after the last
    const int bottom = rect.y() + rect.height();
    canvas.fillRect(QRect(left, top, right - left + 1, 1), color);
    canvas.fillRect(QRect(left, bottom, right - left + 1, 1), color);
    canvas.fillRect(QRect(left, top + 1, 1, bottom - top - 1), color);
    canvas.fillRect(QRect(right, top + 1, 1, bottom - top - 1), color);
}
