// How the in-place editor shows its text: what part of it fits the box around the caret, where each
// character lands, and the painting.
#include "platform/grid/GridInplaceEditor.h"

#include "platform/grid/StringGrid.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleHints>
#include <QTextCharFormat>
#include <QTimerEvent>

#include <algorithm>

namespace {

constexpr int CaretWidth = 1;
// However narrow its characters (marks have no width), the box never lays out more than this many.
constexpr qsizetype MaxShown = 1024;
// Wide enough for any line the box lays out: it never wraps.
constexpr qreal UnboundedWidth = 1e6;
// A box shows a few characters, so the view looks at a short stretch of text first, and at longer ones
// only when the characters are narrow.
constexpr qsizetype FirstStretch = 64;
constexpr qsizetype StretchGrowth = 4;

// Hands each grapheme from `from` onwards (or before it, backwards) to `visit(start, end)` until it
// returns false or MaxShown characters have gone by.
template <typename Visit>
void walkGraphemes(const LineText& line, qsizetype from, bool forward, Visit visit)
{
    const qsizetype limit = forward ? std::min(line.size(), from + MaxShown) : std::max<qsizetype>(0, from - MaxShown);
    qsizetype at = from;
    for (qsizetype reach = FirstStretch; forward ? at < limit : at > limit; reach *= StretchGrowth) {
        // A stretch's outer piece may be part of a grapheme that goes on: the next stretch takes it whole.
        if (forward) {
            const qsizetype to = std::min(limit, at + reach);
            const QList<qsizetype> stops = line.graphemeBoundaries(at, to);
            const qsizetype usable = to < limit && stops.size() > 2 ? stops.size() - 1 : stops.size();
            for (qsizetype i = 1; i < usable; ++i)
                if (!visit(stops[i - 1], stops[i]))
                    return;
            at = stops[usable - 1];
        } else {
            const qsizetype start = std::max(limit, at - reach);
            const QList<qsizetype> stops = line.graphemeBoundaries(start, at);
            const qsizetype first = start > limit && stops.size() > 2 ? 1 : 0;
            for (qsizetype i = stops.size() - 1; i > first; --i)
                if (!visit(stops[i - 1], stops[i]))
                    return;
            at = stops[first];
        }
    }
}

} // namespace

QRect GridInplaceEditor::textArea() const
{
    // The text sits where the cell's own text does, in from its left, top and right edges.
    constexpr int Inset = StringGrid::TextInset;
    return rect().adjusted(Inset, Inset, -Inset, 0);
}

QString GridInplaceEditor::shownText(qsizetype from, qsizetype to) const
{
    // A pasted line break or other control character shows as a space, as in any one-line text box.
    QString shown = m_line.text().mid(from, to - from);
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return shown;
}

int GridInplaceEditor::advance(qsizetype from, qsizetype to) const
{
    return fontMetrics().horizontalAdvance(shownText(from, to));
}

qsizetype GridInplaceEditor::visibleEnd() const
{
    const int width = textArea().width();
    qsizetype end = m_first;
    int x = 0;
    walkGraphemes(m_line, m_first, true, [&](qsizetype from, qsizetype to) {
        if (x > width)
            return false;
        x += advance(from, to);
        end = to;
        return true;
    });
    return end;
}

int GridInplaceEditor::xOf(qsizetype position) const
{
    if (position <= m_first)
        return 0;
    return fontMetrics().horizontalAdvance(shownText(m_first, std::min(position, m_first + MaxShown)));
}

qsizetype GridInplaceEditor::positionAt(int x) const
{
    qsizetype position = m_first;
    int left = 0;
    walkGraphemes(m_line, m_first, true, [&](qsizetype from, qsizetype to) {
        const int width = advance(from, to);
        if (x < left + width / 2)
            return false;
        left += width;
        position = to;
        return true;
    });
    return position;
}

QRect GridInplaceEditor::characterRect(qsizetype position) const
{
    if (position < m_first || position >= visibleEnd())
        return {};
    const QRect area = textArea();
    return QRect(area.left() + xOf(position), area.top(), advance(position, nextCodePoint(position)),
                 fontMetrics().height());
}

qsizetype GridInplaceEditor::positionAtPoint(const QPoint& point) const
{
    // The character under the point, not the caret place nearest to it.
    const QRect area = textArea();
    if (!area.contains(point))
        return -1;
    const qsizetype end = visibleEnd();
    int left = area.left();
    for (qsizetype position = m_first; position < end; position = nextCodePoint(position)) {
        left += advance(position, nextCodePoint(position));
        if (point.x() < left)
            return position;
    }
    return -1;
}

int GridInplaceEditor::preeditCaretX() const
{
    return m_preedit.isEmpty() ? 0 : fontMetrics().horizontalAdvance(m_preedit.left(m_preeditCursor));
}

QRect GridInplaceEditor::caretRect() const
{
    const QRect area = textArea();
    return QRect(area.left() + xOf(cursorPosition()) + preeditCaretX(), area.top(), CaretWidth, fontMetrics().height());
}

void GridInplaceEditor::scrollToCursor()
{
    const int width = textArea().width();
    const qsizetype cursor = cursorPosition();
    // The caret shows with the text being composed before it.
    const int caretWidth = CaretWidth + (m_preedit.isEmpty() ? 0 : fontMetrics().horizontalAdvance(m_preedit));
    m_first = std::min(m_first, m_line.size());
    if (cursor < m_first) {
        m_first = cursor;
    } else if (cursor - m_first >= MaxShown || xOf(cursor) + caretWidth > width) {
        // The caret goes to the right edge, with as much text before it as fits.
        qsizetype first = cursor;
        int used = caretWidth;
        walkGraphemes(m_line, cursor, false, [&](qsizetype from, qsizetype to) {
            const int w = advance(from, to);
            if (used + w > width)
                return false;
            used += w;
            first = from;
            return true;
        });
        m_first = first;
    }
    // Text deleted at the end of a scrolled line: the text moves back in rather than leave a gap.
    if (m_first > 0 && m_line.size() - m_first < MaxShown) {
        int used = xOf(m_line.size()) + caretWidth;
        walkGraphemes(m_line, m_first, false, [&](qsizetype from, qsizetype to) {
            const int w = advance(from, to);
            if (used + w > width)
                return false;
            used += w;
            m_first = from;
            return true;
        });
    }
}

void GridInplaceEditor::showCaret()
{
    m_caretOn = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_blink.start(flash / 2, this);
    update();
}

void GridInplaceEditor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRect area = textArea();
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::Text));
    const qsizetype end = visibleEnd();
    if (!m_preedit.isEmpty()) {
        paintPreedit(painter, area, end);
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    const int baseline = area.top() + metrics.ascent();
    const QString shown = shownText(m_first, end);
    painter.drawText(QPoint(area.left(), baseline), shown);

    const qsizetype from = std::max(selectionStart(), m_first);
    const qsizetype to = std::min(selectionEnd(), end);
    if (from < to) {
        const int left = area.left() + xOf(from);
        const QRect selection(left, area.top(), area.left() + xOf(to) - left, metrics.height());
        painter.fillRect(selection, palette().color(QPalette::Highlight));
        painter.setClipRect(selection & area);
        painter.setPen(palette().color(QPalette::HighlightedText));
        painter.drawText(QPoint(area.left(), baseline), shown);
        painter.setClipRect(area);
    }
    if (hasFocus() && m_caretOn)
        painter.fillRect(caretRect(), palette().color(QPalette::Text));
}

// The text being composed shows at the caret in the looks its input method gives it, as in Qt's own
// text boxes; without any, it is underlined, so that it never passes for text already typed.
void GridInplaceEditor::paintPreedit(QPainter& painter, const QRect& area, qsizetype end) const
{
    const qsizetype cursor = std::clamp(cursorPosition(), m_first, end);
    const QString before = shownText(m_first, cursor);
    QTextLayout layout(before + m_preedit + shownText(cursor, end), font());
    QList<QTextLayout::FormatRange> formats = m_preeditFormats;
    if (formats.isEmpty()) {
        QTextCharFormat underline;
        underline.setFontUnderline(true);
        formats.append({0, int(m_preedit.size()), underline});
    }
    for (QTextLayout::FormatRange& range : formats)
        range.start += int(before.size());
    layout.setFormats(formats);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(UnboundedWidth);
    layout.endLayout();
    const QPointF origin(area.left(), area.top() + fontMetrics().ascent() - line.ascent());
    layout.draw(&painter, origin);
    if (hasFocus() && m_caretOn && m_preeditCaretShown) {
        const qreal x = origin.x() + line.cursorToX(int(before.size() + m_preeditCursor));
        painter.fillRect(QRectF(x, area.top(), CaretWidth, fontMetrics().height()), palette().color(QPalette::Text));
    }
}

void GridInplaceEditor::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    scrollToCursor();
}

void GridInplaceEditor::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        scrollToCursor();
        update();
    }
}

void GridInplaceEditor::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_blink.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_caretOn = !m_caretOn;
    update(m_preedit.isEmpty() ? caretRect() : rect());
}
