// Where the grid's focus goes: a press on its scroll bars watched for in its window's events, and the
// context menu the keyboard asks for at the focused cell.
#include "platform/grid/StringGrid.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <iterator>

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
