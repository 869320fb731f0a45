#pragma once

#include "platform/accessible/GridHeaderAccessible.h"

#include <QAccessibleWidget>
#include <QHash>

#include <deque>

class StringGrid;

// A StringGrid as assistive technology sees it: a table with the grid's counts whose cells (and the
// row and column headers they report) are made only when asked for. The most recently made ones are
// kept so that a screen reader gets the same interface back; older ones are released, so a grid of
// 2147483647 rows never holds more than MaxCachedCells of them.
class StringGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface, public GridHeaderSource
{
public:
    static constexpr int MaxCachedCells = 1024;

    explicit StringGridAccessible(StringGrid* grid);
    ~StringGridAccessible() override;

    StringGrid* grid() const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override;
    QAccessibleInterface* summary() const override;
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    QAccessibleInterface* headerCell(Qt::Orientation orientation, int index) const override;

    // Cells and headers made and not yet released.
    int cachedCellCount() const { return int(m_cells.size()); }

private:
    QAccessibleInterface* cell(int col, int row) const;
    QAccessibleInterface* cachedCell(int col, int row) const;
    QAccessibleInterface* cached(quint64 key) const;
    QAccessibleInterface* remember(quint64 key, QAccessibleInterface* made) const;
    QAccessibleInterface* currentCell() const;
    bool gridHasFocus() const;
    bool isOutside(quint64 key) const;
    void forgetCell(quint64 key);

    mutable QHash<quint64, QAccessible::Id> m_cells;
    // Keys in the order their cells were made, oldest first.
    mutable std::deque<quint64> m_order;
};
