#include "platform/accessible/GridPartAccessible.h"

#include "platform/grid/StringGrid.h"

#include <QWidget>

GridPartAccessible::GridPartAccessible(StringGrid* grid)
    : m_grid(grid)
{
}

GridPartAccessible::~GridPartAccessible() = default;

QObject* GridPartAccessible::object() const
{
    return nullptr;
}

QWindow* GridPartAccessible::window() const
{
    return m_grid ? m_grid->window()->windowHandle() : nullptr;
}

QAccessibleInterface* GridPartAccessible::parent() const
{
    return m_grid ? QAccessible::queryAccessibleInterface(m_grid) : nullptr;
}

QAccessibleInterface* GridPartAccessible::child(int) const
{
    return nullptr;
}

int GridPartAccessible::childCount() const
{
    return 0;
}

int GridPartAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QAccessibleInterface* GridPartAccessible::childAt(int, int) const
{
    return nullptr;
}
