#include "platform/accessible/GridCellAccessible.h"

#include "platform/accessible/GridHeaderAccessible.h"
#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"

#include <QWidget>

GridCellAccessible::GridCellAccessible(StringGrid* grid, int col, int row)
    : GridPartAccessible(grid)
    , m_col(col)
    , m_row(row)
{
}

GridCellAccessible::~GridCellAccessible() = default;

bool GridCellAccessible::isValid() const
{
    return grid() != nullptr && m_col < grid()->colCount() && m_row < grid()->rowCount();
}

QString GridCellAccessible::text(QAccessible::Text t) const
{
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value))
        return {};
    // A screen reader receives C strings, which a NUL would end; it hears the rest of the text after
    // the sign for one. Copy still takes the cell's own text.
    QString text = grid()->cell(m_col, m_row);
    text.replace(QChar(u'\0'), QChar(u'\u2400'));
    return text;
}

void GridCellAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (!isValid() || !grid()->editable() || (t != QAccessible::Name && t != QAccessible::Value))
        return;
    grid()->setCell(m_col, m_row, text);
}

QRect GridCellAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = grid()->cellRect(m_col, m_row);
    return QRect(grid()->viewport()->mapToGlobal(local.topLeft()), local.size());
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
    state.focusable = grid()->focusPolicy() != Qt::NoFocus;
    state.selectable = true;
    const bool current = isCurrent();
    state.selected = current;
    const QWidget* focus = grid()->window()->focusWidget();
    state.focused = current && focus != nullptr && (focus == grid() || focus == grid()->inplaceEditor());
    if (grid()->editable())
        state.editable = true;
    else
        state.readOnly = true;
    if (!grid()->isEnabled())
        state.disabled = true;
    if (!grid()->viewport()->rect().intersects(grid()->cellRect(m_col, m_row)))
        state.offscreen = true;
    if (!grid()->isVisible())
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
    return grid()->col() == m_col && grid()->row() == m_row;
}
