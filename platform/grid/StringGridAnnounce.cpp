#include "platform/grid/StringGrid.h"

#include "platform/grid/GridInplaceEditor.h"

#include <QAccessible>
#include <QMetaObject>

#include <algorithm>
#include <limits>

// Cells are addressed as children of the grid's own accessible table, row by row.

void StringGrid::sendCellEvent(int col, int row, QAccessible::Event type)
{
    const qint64 index = qint64(row) * m_colCount + col;
    // A cell past the last index an int holds has no child number; a screen reader reaches it through
    // the table's cellAt and hears the grid itself.
    if (index > std::numeric_limits<int>::max())
        return;
    QAccessibleEvent event(this, type);
    event.setChild(int(index));
    QAccessible::updateAccessibility(&event);
}

void StringGrid::announceCurrentCell()
{
    if (!QAccessible::isActive())
        return;
    // The in-place editor is what has the focus while typing; it says which cell it edits.
    m_editor->setAccessibleName(
        QStringLiteral("%1 row %2 column %3").arg(accessibleName()).arg(qint64(m_row) + 1).arg(qint64(m_col) + 1));
    sendCellEvent(m_col, m_row, QAccessible::Selection);
    if (hasGridFocus())
        sendCellEvent(m_col, m_row, QAccessible::Focus);
}

void StringGrid::announceFocusIn()
{
    // One announcement however many focus-in events arrive before it goes out.
    if (!QAccessible::isActive() || m_focusAnnouncementPending)
        return;
    m_focusAnnouncementPending = true;
    // Qt announces the grid itself once the focus has arrived; the cell follows it, so that it is the
    // last word a screen reader hears.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_focusAnnouncementPending = false;
            if (hasGridFocus())
                announceCurrentCell();
        },
        Qt::QueuedConnection);
}

void StringGrid::announceCellWritten(int col, int row)
{
    // Only the current cell is where a screen reader's attention can be; a cell has a name, no value.
    if (QAccessible::isActive() && col == m_col && row == m_row)
        sendCellEvent(col, row, QAccessible::NameChanged);
}

void StringGrid::announceCountChange(Qt::Orientation counted, int oldCount, int newCount)
{
    if (!QAccessible::isActive() || oldCount == newCount)
        return;
    const bool rows = counted == Qt::Vertical;
    const bool grown = newCount > oldCount;
    using Change = QAccessibleTableModelChangeEvent;
    Change event(this, rows ? (grown ? Change::RowsInserted : Change::RowsRemoved)
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
    QAccessible::updateAccessibility(&event);
    if (!grown)
        announceCurrentCell(); // the current cell may have been pulled inside
}
