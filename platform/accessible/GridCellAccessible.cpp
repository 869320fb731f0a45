#include "platform/accessible/GridCellAccessible.h"

#include "platform/accessible/GridHeaderAccessible.h"
#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"

#include <QWidget>

GridCellAccessible::GridCellAccessible(StringGrid* grid, int col, int row)
    : m_grid(grid)
    , m_col(col)
    , m_row(row)
{
}

GridCellAccessible::~GridCellAccessible() = default;

bool GridCellAccessible::isValid() const
{
    return m_grid != nullptr && m_col < m_grid->colCount() && m_row < m_grid->rowCount();
}

QObject* GridCellAccessible::object() const
{
    // No object of its own: events about a cell are addressed by its interface.
    return nullptr;
}

QWindow* GridCellAccessible::window() const
{
    return m_grid ? m_grid->window()->windowHandle() : nullptr;
}

QAccessibleInterface* GridCellAccessible::parent() const
{
    return m_grid ? QAccessible::queryAccessibleInterface(m_grid) : nullptr;
}

QAccessibleInterface* GridCellAccessible::child(int) const
{
    return nullptr;
}

int GridCellAccessible::childCount() const
{
    return 0;
}

int GridCellAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QAccessibleInterface* GridCellAccessible::childAt(int, int) const
{
    return nullptr;
}

QString GridCellAccessible::text(QAccessible::Text t) const
{
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value))
        return {};
    return m_grid->cell(m_col, m_row);
}

void GridCellAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (!isValid() || !m_grid->editable() || (t != QAccessible::Name && t != QAccessible::Value))
        return;
    m_grid->setCell(m_col, m_row, text);
}

QRect GridCellAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = m_grid->cellRect(m_col, m_row);
    return QRect(m_grid->viewport()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role GridCellAccessible::role() const
{
    return QAccessible::Cell;
}

QAccessible::State GridCellAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.focusable = m_grid->focusPolicy() != Qt::NoFocus;
    state.selectable = true;
    const bool current = isCurrent();
    state.selected = current;
    const QWidget* focus = m_grid->window()->focusWidget();
    state.focused = current && focus != nullptr && (focus == m_grid || focus == m_grid->inplaceEditor());
    if (m_grid->editable())
        state.editable = true;
    else
        state.readOnly = true;
    if (!m_grid->isEnabled())
        state.disabled = true;
    if (!m_grid->viewport()->rect().intersects(m_grid->cellRect(m_col, m_row)))
        state.offscreen = true;
    if (!m_grid->isVisible())
        state.invisible = true;
    return state;
}

void* GridCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool GridCellAccessible::isSelected() const
{
    return isValid() && isCurrent();
}

QList<QAccessibleInterface*> GridCellAccessible::columnHeaderCells() const
{
    return headerCells(Qt::Horizontal, m_col);
}

QList<QAccessibleInterface*> GridCellAccessible::rowHeaderCells() const
{
    return headerCells(Qt::Vertical, m_row);
}

QList<QAccessibleInterface*> GridCellAccessible::headerCells(Qt::Orientation orientation, int index) const
{
    if (!isValid())
        return {};
    const auto* source = dynamic_cast<const GridHeaderSource*>(parent());
    QAccessibleInterface* header = source ? source->headerCell(orientation, index) : nullptr;
    return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

int GridCellAccessible::columnIndex() const
{
    return m_col;
}

int GridCellAccessible::rowIndex() const
{
    return m_row;
}

int GridCellAccessible::columnExtent() const
{
    return 1;
}

int GridCellAccessible::rowExtent() const
{
    return 1;
}

QAccessibleInterface* GridCellAccessible::table() const
{
    return parent();
}

bool GridCellAccessible::isCurrent() const
{
    return m_grid->col() == m_col && m_grid->row() == m_row;
}
