// What reaches the grid from around its cells: presses on its window, the context menu, tooltips.
#include "platform/grid/StringGrid.h"

#include "platform/window/ErrorReport.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <utility>

bool StringGrid::isScrollBar(const QWidget* widget) const
{
    const QScrollBar* bars[] = {horizontalScrollBar(), verticalScrollBar()};
    return widget != nullptr && std::any_of(std::begin(bars), std::end(bars), [widget](const QScrollBar* bar) {
               return widget == bar || bar->isAncestorOf(widget);
           });
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event)
{
    // Qt hands the focus to the first widget above the pressed one that takes click focus, before any
    // widget sees the press. A grid that Tab does not reach must not take it from its scroll bars, so
    // it takes no focus at all for the length of that press. The window sees the press first.
    if (event->type() != QEvent::MouseButtonPress || m_focusPolicyHeld || (focusPolicy() & Qt::TabFocus)
        || focusPolicy() == Qt::NoFocus || !isVisible() || watched != window()->windowHandle())
        return QAbstractScrollArea::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (!isScrollBar(window()->childAt(mouse->position().toPoint())))
        return QAbstractScrollArea::eventFilter(watched, event);
    m_heldFocusPolicy = focusPolicy();
    m_focusPolicyHeld = true;
    setFocusPolicy(Qt::NoFocus);
    QTimer::singleShot(0, this, [this] {
        setFocusPolicy(m_heldFocusPolicy);
        m_focusPolicyHeld = false;
    });
    return QAbstractScrollArea::eventFilter(watched, event);
}

void StringGrid::showEvent(QShowEvent* event)
{
    // The presses eventFilter looks at reach the window before any widget: it watches the window this grid
    // is shown in, and only that one.
    QWindow* handle = window()->windowHandle();
    if (handle != m_filteredWindow) {
        if (m_filteredWindow)
            m_filteredWindow->removeEventFilter(this);
        m_filteredWindow = handle;
        if (handle)
            handle->installEventFilter(this);
    }
    QAbstractScrollArea::showEvent(event);
}

// ---- context menu --------------------------------------------------------------------------------

void StringGrid::contextMenuEvent(QContextMenuEvent* event)
{
    // An open editor keeps its own menu.
    if (m_editorOpen) {
        event->ignore();
        return;
    }
    // The right button's press has opened it already.
    if (event->reason() != QContextMenuEvent::Mouse)
        emit contextMenuRequested(viewport()->mapToGlobal(cellRect(m_col, m_row).bottomLeft()));
    event->accept();
}

// ---- tooltips ------------------------------------------------------------------------------------

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
