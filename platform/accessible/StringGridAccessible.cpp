#include "platform/accessible/StringGridAccessible.h"

#include "platform/accessible/AccessibleFactory.h"
#include "platform/accessible/GridCellAccessible.h"
#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"

#include <QMetaObject>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr int ColPitch = StringGrid::DefaultColWidth + StringGrid::GridLineWidth;
constexpr int RowPitch = StringGrid::DefaultRowHeight + StringGrid::GridLineWidth;

quint64 cellKey(int col, int row)
{
    return (quint64(quint32(col)) << 32) | quint32(row);
}

void send(QAccessibleInterface* iface, QAccessible::Event type)
{
    QAccessibleEvent event(iface, type);
    SendAccessibilityEvent(&event);
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
    const qint64 col = qint64(grid()->leftCol()) + pos.x() / ColPitch;
    const qint64 row = qint64(grid()->topRow()) + pos.y() / RowPitch;
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
    // Cells that fell outside the counts are gone; the rest stay as they are.
    const int cols = grid()->colCount();
    const int rows = grid()->rowCount();
    std::vector<quint64> outside;
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it) {
        const int col = int(it.key() >> 32);
        const int row = int(it.key() & 0xFFFFFFFFu);
        if (col >= cols || row >= rows)
            outside.push_back(it.key());
    }
    for (const quint64 key : outside)
        forgetCell(key);
}

QAccessibleInterface* StringGridAccessible::cell(int col, int row) const
{
    if (QAccessibleInterface* known = cachedCell(col, row))
        return known;
    if (m_order.size() >= std::size_t(MaxCachedCells))
        const_cast<StringGridAccessible*>(this)->forgetCell(m_order.front());
    auto* made = new GridCellAccessible(grid(), col, row);
    const quint64 key = cellKey(col, row);
    m_cells.insert(key, QAccessible::registerAccessibleInterface(made));
    m_order.push_back(key);
    return made;
}

QAccessibleInterface* StringGridAccessible::cachedCell(int col, int row) const
{
    const auto found = m_cells.constFind(cellKey(col, row));
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

void StringGridAccessible::sendCurrentCellEvents()
{
    StringGrid* g = grid();
    // The in-place editor is what has the focus while typing; it says which cell it edits.
    g->inplaceEditor()->setAccessibleName(QStringLiteral("%1 row %2 column %3")
                                              .arg(g->accessibleName())
                                              .arg(qint64(g->row()) + 1)
                                              .arg(qint64(g->col()) + 1));
    QAccessibleInterface* current = currentCell();
    send(current, QAccessible::Selection);
    if (gridHasFocus())
        send(current, QAccessible::Focus);
}

StringGridAccessible* StringGridAccessible::of(StringGrid* grid)
{
    if (!AccessibilityActive())
        return nullptr;
    return dynamic_cast<StringGridAccessible*>(QAccessible::queryAccessibleInterface(grid));
}

void StringGridAccessible::notifyCurrentCellMoved(StringGrid* grid)
{
    if (StringGridAccessible* iface = of(grid))
        iface->sendCurrentCellEvents();
}

void StringGridAccessible::notifyFocusIn(StringGrid* grid)
{
    // One announcement however many focus-in events arrive before it goes out.
    static constexpr char Pending[] = "quorlinFocusAnnouncementPending";
    if (of(grid) == nullptr || grid->property(Pending).toBool())
        return;
    grid->setProperty(Pending, true);
    // Qt announces the grid itself once the focus has arrived; the cell follows it, so that it is the
    // last word a screen reader hears.
    QMetaObject::invokeMethod(
        grid,
        [grid] {
            grid->setProperty(Pending, false);
            if (StringGridAccessible* iface = of(grid); iface != nullptr && iface->gridHasFocus())
                iface->sendCurrentCellEvents();
        },
        Qt::QueuedConnection);
}

void StringGridAccessible::notifyCellWritten(StringGrid* grid, int col, int row)
{
    StringGridAccessible* iface = of(grid);
    if (iface == nullptr || col < 0 || row < 0 || col >= grid->colCount() || row >= grid->rowCount())
        return;
    // Only a cell someone has looked at, or the one being edited, can be announced.
    const bool current = col == grid->col() && row == grid->row();
    if (QAccessibleInterface* cell = current ? iface->cell(col, row) : iface->cachedCell(col, row)) {
        send(cell, QAccessible::NameChanged);
        QAccessibleValueChangeEvent event(cell, grid->cell(col, row));
        SendAccessibilityEvent(&event);
    }
}

void StringGridAccessible::notifyCountChanged(StringGrid* grid, Qt::Orientation counted, int oldCount, int newCount)
{
    StringGridAccessible* iface = of(grid);
    if (iface == nullptr || oldCount == newCount)
        return;
    const bool rows = counted == Qt::Vertical;
    const bool grown = newCount > oldCount;
    using Change = QAccessibleTableModelChangeEvent;
    Change event(grid, rows ? (grown ? Change::RowsInserted : Change::RowsRemoved)
                            : (grown ? Change::ColumnsInserted : Change::ColumnsRemoved));
    const int first = std::min(oldCount, newCount);
    const int last = std::max(oldCount, newCount) - 1;
    if (rows) {
        event.setFirstRow(first);
        event.setLastRow(last);
    } else {
        event.setFirstColumn(first);
        event.setLastColumn(last);
    }
    // Qt's layer hands the change to the table only while a bridge listens, never with a test's sink; the
    // cached cells follow it either way.
    iface->modelChange(&event);
    SendAccessibilityEvent(&event);
    if (!grown)
        iface->sendCurrentCellEvents(); // the current cell may have been pulled inside
}
