#include "platform/accessible/GridHeaderAccessible.h"

#include "platform/grid/StringGrid.h"

#include <QWidget>

GridHeaderAccessible::GridHeaderAccessible(StringGrid* grid, Qt::Orientation orientation, int index)
    : GridPartAccessible(grid)
    , m_orientation(orientation)
    , m_index(index)
{
}

GridHeaderAccessible::~GridHeaderAccessible() = default;

bool GridHeaderAccessible::isValid() const
{
    if (grid() == nullptr)
        return false;
    return m_index < (m_orientation == Qt::Vertical ? grid()->rowCount() : grid()->colCount());
}

QString GridHeaderAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return {};
    const QString number = QString::number(qint64(m_index) + 1);
    return m_orientation == Qt::Vertical ? QStringLiteral("Row ") + number : QStringLiteral("Column ") + number;
}

void GridHeaderAccessible::setText(QAccessible::Text, const QString&) {}

QRect GridHeaderAccessible::rect() const
{
    // Nothing on screen: the grid draws no header.
    return {};
}

QAccessible::Role GridHeaderAccessible::role() const
{
    return m_orientation == Qt::Vertical ? QAccessible::RowHeader : QAccessible::ColumnHeader;
}

QAccessible::State GridHeaderAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    if (!isValid())
        state.invalid = true;
    return state;
}
