#include "platform/accessible/StringGridAccessible.h"

#include "platform/accessible/GridCellAccessible.h"
#include "platform/accessible/GridHeaderAccessible.h"
#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// Counts and indexes are below 2^31, so a cell's key leaves bits 63 and 31 free to mark the headers:
// a column header keeps its column in the high half, a row header its row in the low half.
constexpr quint64 ColumnHeaderBit = quint64(1) << 63;
constexpr quint64 RowHeaderBit = quint64(1) << 31;

quint64 headerKey(Qt::Orientation orientation, int index)
{
    return orientation == Qt::Horizontal ? ColumnHeaderBit | StringGrid::cellKey(index, 0)
                                         : RowHeaderBit | StringGrid::cellKey(0, index);
}

} // namespace

StringGridAccessible::StringGridAccessible(StringGrid* grid)
    : QAccessibleWidget(grid, QAccessible::Table)
{
}

StringGridAccessible::~StringGridAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
}

StringGrid* StringGridAccessible::grid() const
{
    return static_cast<StringGrid*>(widget());
}

int StringGridAccessible::childCount() const
{
    const qint64 cells = qint64(grid()->colCount()) * grid()->rowCount();
    return int(std::min<qint64>(cells, std::numeric_limits<int>::max()));
}

QAccessibleInterface* StringGridAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const int cols = grid()->colCount();
    return cell(index % cols, index / cols);
}

int StringGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child == nullptr || child->role() != QAccessible::Cell)
        return -1;
    auto* cellIface = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cellIface == nullptr || cachedCell(cellIface->columnIndex(), cellIface->rowIndex()) != child)
        return -1;
    // Cells beyond the largest index an int holds are reached by cellAt alone.
    const qint64 index = qint64(cellIface->rowIndex()) * grid()->colCount() + cellIface->columnIndex();
    return index <= std::numeric_limits<int>::max() ? int(index) : -1;
}

QAccessibleInterface* StringGridAccessible::childAt(int x, int y) const
{
    const QWidget* viewport = grid()->viewport();
    const QPoint pos = viewport->mapFromGlobal(QPoint(x, y));
    if (!viewport->rect().contains(pos))
        return nullptr;
    const qint64 col = qint64(grid()->leftCol()) + pos.x() / StringGrid::ColPitch;
    const qint64 row = qint64(grid()->topRow()) + pos.y() / StringGrid::RowPitch;
    if (col >= grid()->colCount() || row >= grid()->rowCount())
        return nullptr;
    return cell(int(col), int(row));
}

QAccessibleInterface* StringGridAccessible::focusChild() const
{
    return gridHasFocus() ? currentCell() : nullptr;
}

void* StringGridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* StringGridAccessible::caption() const
{
    return nullptr;
}

QAccessibleInterface* StringGridAccessible::summary() const
{
    return nullptr;
}

QAccessibleInterface* StringGridAccessible::cellAt(int row, int column) const
{
    if (row < 0 || column < 0 || row >= grid()->rowCount() || column >= grid()->colCount())
        return nullptr;
    return cell(column, row);
}

int StringGridAccessible::selectedCellCount() const
{
    return 1;
}

QList<QAccessibleInterface*> StringGridAccessible::selectedCells() const
{
    return {currentCell()};
}

QString StringGridAccessible::columnDescription(int) const
{
    return {};
}

QString StringGridAccessible::rowDescription(int) const
{
    return {};
}

int StringGridAccessible::selectedColumnCount() const
{
    return 0;
}

int StringGridAccessible::selectedRowCount() const
{
    return 0;
}

int StringGridAccessible::columnCount() const
{
    return grid()->colCount();
}

int StringGridAccessible::rowCount() const
{
    return grid()->rowCount();
}

QList<int> StringGridAccessible::selectedColumns() const
{
    return {};
}

QList<int> StringGridAccessible::selectedRows() const
{
    return {};
}

bool StringGridAccessible::isColumnSelected(int) const
{
    return false;
}

bool StringGridAccessible::isRowSelected(int) const
{
    return false;
}

// The grid selects one cell, never a whole row or column.
bool StringGridAccessible::selectRow(int)
{
    return false;
}

bool StringGridAccessible::selectColumn(int)
{
    return false;
}

bool StringGridAccessible::unselectRow(int)
{
    return false;
}

bool StringGridAccessible::unselectColumn(int)
{
    return false;
}

void StringGridAccessible::modelChange(QAccessibleTableModelChangeEvent*)
{
    // Cells and headers that fell outside the counts are gone; the rest stay as they are.
    std::vector<quint64> outside;
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it)
        if (isOutside(it.key()))
            outside.push_back(it.key());
    for (const quint64 key : outside)
        forgetCell(key);
}

QAccessibleInterface* StringGridAccessible::headerCell(Qt::Orientation orientation, int index) const
{
    if (index < 0 || index >= (orientation == Qt::Vertical ? grid()->rowCount() : grid()->colCount()))
        return nullptr;
    const quint64 key = headerKey(orientation, index);
    if (QAccessibleInterface* known = cached(key))
        return known;
    return remember(key, new GridHeaderAccessible(grid(), orientation, index));
}

bool StringGridAccessible::isOutside(quint64 key) const
{
    if (key & ColumnHeaderBit)
        return int((key & ~ColumnHeaderBit) >> 32) >= grid()->colCount();
    if (key & RowHeaderBit)
        return int(key & ~RowHeaderBit) >= grid()->rowCount();
    return int(key >> 32) >= grid()->colCount() || int(key & 0xFFFFFFFFu) >= grid()->rowCount();
}

QAccessibleInterface* StringGridAccessible::cell(int col, int row) const
{
    if (QAccessibleInterface* known = cachedCell(col, row))
        return known;
    return remember(StringGrid::cellKey(col, row), new GridCellAccessible(grid(), col, row));
}

QAccessibleInterface* StringGridAccessible::remember(quint64 key, QAccessibleInterface* made) const
{
    if (m_order.size() >= std::size_t(MaxCachedCells))
        const_cast<StringGridAccessible*>(this)->forgetCell(m_order.front());
    m_cells.insert(key, QAccessible::registerAccessibleInterface(made));
    m_order.push_back(key);
    return made;
}

QAccessibleInterface* StringGridAccessible::cachedCell(int col, int row) const
{
    return cached(StringGrid::cellKey(col, row));
}

QAccessibleInterface* StringGridAccessible::cached(quint64 key) const
{
    const auto found = m_cells.constFind(key);
    return found == m_cells.cend() ? nullptr : QAccessible::accessibleInterface(*found);
}

QAccessibleInterface* StringGridAccessible::currentCell() const
{
    return cell(grid()->col(), grid()->row());
}

bool StringGridAccessible::gridHasFocus() const
{
    const QWidget* focus = grid()->window()->focusWidget();
    return focus != nullptr && (focus == grid() || focus == grid()->inplaceEditor());
}

void StringGridAccessible::forgetCell(quint64 key)
{
    const auto found = m_cells.find(key);
    if (found == m_cells.end())
        return;
    QAccessible::deleteAccessibleInterface(*found);
    m_cells.erase(found);
    m_order.erase(std::find(m_order.begin(), m_order.end(), key));
}
