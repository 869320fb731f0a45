// The grid's painting: cells, grid lines, the focus outline, and the cell handler's turn.
#include "platform/grid/StringGrid.h"

#include "platform/paint/ColorValue.h"
#include "platform/window/ErrorReport.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <utility>

namespace {

// The grid's own left-aligned text output measures no more of a long text than can show in a cell.
constexpr qsizetype ShortText = 16;
constexpr qsizetype LongestShownPrefix = 4096;

const QColor LineColor(192, 192, 192);
const QColor LineColorOnSilver(128, 128, 128);

// The start of a long text that is enough to fill `width` pixels: painting a 1 MB cell must not lay out
// 1 MB of glyphs for the 36 pixels that show.
QString leadingThatFits(const QString& text, const QFontMetrics& metrics, int width)
{
    if (text.size() <= ShortText)
        return text;
    qsizetype length = ShortText;
    while (length < text.size() && length < LongestShownPrefix && metrics.horizontalAdvance(text.left(length)) <= width)
        length *= 2;
    length = std::min(length, text.size());
    if (length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

} // namespace

void StringGrid::setCellPainter(CellPainter painter)
{
    m_cellPainter = std::move(painter);
    viewport()->update();
}

void StringGrid::paintEvent(QPaintEvent* event)
{
    QString failure;
    {
        QPainter painter(viewport());
        try {
            paintCells(painter, event->region());
        } catch (const std::exception& error) {
            failure = QString::fromUtf8(error.what());
        } catch (...) {
            failure = QStringLiteral("Unknown error");
        }
    }
    // A failing cell handler is reported once painting is over: a modal box inside a paint event
    // would recurse into painting.
    if (!failure.isNull())
        QTimer::singleShot(0, this, [failure] { ShowErrorReport(failure); });
}

void StringGrid::paintCells(QPainter& painter, const QRegion& region)
{
    const QColor background = ResolveColor(clWindow);
    const QRect bounds = region.boundingRect() & viewport()->rect();
    if (bounds.isEmpty())
        return;
    const int width = viewport()->width();
    const int height = viewport()->height();

    // Cells that show at least in part, counted from the view origin; never more than fit.
    const int shownCols = int(std::min<qint64>(qint64(m_colCount) - m_leftCol, (width + ColPitch - 1) / ColPitch));
    const int shownRows = int(std::min<qint64>(qint64(m_rowCount) - m_topRow, (height + RowPitch - 1) / RowPitch));
    const int cellsRight = shownCols * ColPitch;
    const int cellsBottom = shownRows * RowPitch;

    const bool gridFocused = hasGridFocus();
    const int firstCol = bounds.left() / ColPitch;
    const int lastCol = std::min(shownCols - 1, bounds.right() / ColPitch);
    const int firstRow = bounds.top() / RowPitch;
    const int lastRow = std::min(shownRows - 1, bounds.bottom() / RowPitch);

    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstCol; c <= lastCol; ++c) {
            const QRect rect(c * ColPitch, r * RowPitch, DefaultColWidth, DefaultRowHeight);
            if (region.intersects(rect))
                paintCell(painter, m_leftCol + c, m_topRow + r, rect, gridFocused);
        }
    }

    const QColor line = background == LineColor ? LineColorOnSilver : LineColor;
    for (int c = firstCol; c <= lastCol; ++c)
        painter.fillRect(QRect(c * ColPitch + DefaultColWidth, 0, GridLineWidth, cellsBottom), line);
    for (int r = firstRow; r <= lastRow; ++r)
        painter.fillRect(QRect(0, r * RowPitch + DefaultRowHeight, cellsRight, GridLineWidth), line);

    if (cellsRight < width)
        painter.fillRect(QRect(cellsRight, 0, width - cellsRight, height), background);
    if (cellsBottom < height)
        painter.fillRect(QRect(0, cellsBottom, std::min(cellsRight, width), height - cellsBottom), background);
}

void StringGrid::paintCell(QPainter& painter, int col, int row, const QRect& rect, bool gridFocused)
{
    DrawState state;
    state.selected = col == m_col && row == m_row;
    state.focused = state.selected && gridFocused;
    if (state.focused && m_editorOpen)
        return; // the editor covers it

    painter.save();
    painter.setFont(font());
    const bool highlighted = state.selected && !state.focused;
    const QColor fill = ResolveColor(highlighted ? clHighlight : clWindow);
    const QColor text = ResolveColor(highlighted ? clHighlightText : clWindowText);
    painter.setBrush(fill);
    painter.setPen(text);
    painter.fillRect(rect, fill);

    const QString cellText = cell(col, row);
    if (!cellText.isEmpty()) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
        // Drawn at a baseline, which skips the rectangle layout machinery: the handler paints over it.
        const QFontMetrics metrics = painter.fontMetrics();
        painter.drawText(QPoint(rect.left() + TextInset, rect.top() + TextInset + metrics.ascent()),
                         leadingThatFits(cellText, metrics, rect.width() - TextInset));
        painter.restore();
    }

    if (m_cellPainter)
        m_cellPainter(painter, this, col, row, rect, state);
    painter.restore();

    if (state.focused)
        paintFocusRect(painter, rect);
}

void StringGrid::paintFocusRect(QPainter& painter, const QRect& rect) const
{
    // Every other pixel of the outline, inverted where the engine can, so it shows on any fill.
    painter.save();
    QColor dot = ResolveColor(clWindowText);
    if (painter.paintEngine() != nullptr && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        dot = Qt::white;
    }
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width() - 1;
    const int bottom = rect.top() + rect.height() - 1;
    auto dotAt = [&](int x, int y) {
        if (((x - left) + (y - top)) % 2 == 0)
            painter.fillRect(QRect(x, y, 1, 1), dot);
    };
    for (int x = left; x <= right; ++x) {
        dotAt(x, top);
        dotAt(x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        dotAt(left, y);
        dotAt(right, y);
    }
    painter.restore();
}
