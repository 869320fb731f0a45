#include "platform/paint/Drawing.h"

#include "platform/paint/LongLine.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <limits>

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
    // A line laid out right to left as a whole (a right-to-left canvas, or one that lets the first strong
    // character decide and meets a right-to-left one) keeps its whole layout too. A cut line is laid out
    // left to right whatever its own first strong character.
    const bool longLine = (flags & Dt::SingleLine) && !(flags & (Dt::NoClip | Dt::Center | Dt::ExpandTabs))
                          && !(flags & Dt::RtlReading) && text.size() >= LongLineLength;
    const bool leftToRightOnly = longLine && IsBelowBidiBlocks(text);
    const bool cuttable =
        longLine
        && (canvas.layoutDirection() == Qt::LeftToRight
            || (canvas.layoutDirection() == Qt::LayoutDirectionAuto && (leftToRightOnly || !StartsRightToLeft(text))));
    if (cuttable)
        qtFlags |= Qt::TextForceLeftToRight;
    const QFontMetrics metrics = canvas.fontMetrics();
    QString shown = cuttable ? VisiblePart(text, metrics, rect.width(), (flags & Dt::Right) != 0,
                                           !(flags & Dt::NoPrefix), leftToRightOnly)
                             : text;
    QRect textRect = rect;
    int markWidth = -1;
    if ((flags & Dt::StartEllipsis) && (flags & Dt::SingleLine)) {
        const int measureFlags = Qt::TextSingleLine | ((flags & Dt::NoPrefix) ? 0 : int(Qt::TextShowMnemonic));
        if (shown.size() < text.size() || LineWidth(metrics, shown, measureFlags) > rect.width()) {
            markWidth = metrics.horizontalAdvance(LongLineEllipsis);
            textRect.setLeft(rect.left() + markWidth);
            shown = EndThatFits(shown, metrics, textRect.width(), measureFlags);
        }
    }

    canvas.save();
    if (!(flags & Dt::NoClip))
        canvas.setClipRect(rect, Qt::IntersectClip);
    if (markWidth >= 0) {
        const int markFlags = (qtFlags & ~int(Qt::AlignHorizontal_Mask)) | Qt::AlignLeft | Qt::TextDontClip;
        canvas.drawText(rect, markFlags, QString(LongLineEllipsis));
    }
    canvas.drawText(textRect, qtFlags | Qt::TextDontClip, shown);
    canvas.restore();
}

bool IsLineCut(const QFontMetrics& metrics, const QString& text, int width)
{
    const int measureFlags = Qt::TextSingleLine;
    if (text.size() < LongLineLength)
        return LineWidth(metrics, text, measureFlags) > width;
    const QString shown = VisiblePart(text, metrics, width, true, false, IsBelowBidiBlocks(text));
    return shown.size() < text.size() || LineWidth(metrics, shown, measureFlags) > width;
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
