// A cell's tooltip: asked of the window for the cell under the resting pointer, kept while the pointer stays in it.
#include "platform/grid/StringGrid.h"

#include "platform/window/ErrorReport.h"

#include <QHelpEvent>
#include <QToolTip>

#include <utility>

void StringGrid::setCellToolTip(CellToolTip toolTip)
{
    m_cellToolTip = std::move(toolTip);
}

bool StringGrid::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !m_cellToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const CellHit hit = cellAt(help->pos());
    QString text;
    if (hit.inside)
        RunGuarded([&] { text = m_cellToolTip(hit.col, hit.row); });
    // The tip stays while the pointer stays in the cell it tells about.
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport(), cellRect(hit.col, hit.row));
    return true;
}
