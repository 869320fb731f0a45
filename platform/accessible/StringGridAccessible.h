#pragma once

#include <QAccessibleWidget>
#include <QHash>

#include <deque>

class StringGrid;

// A StringGrid as assistive technology sees it: a table with the grid's counts whose cells are made
// only when asked for. The most recently made cells are kept so that a screen reader gets the same
// interface back; older ones are released, so a grid of 2147483647 rows never holds more than
// MaxCachedCells of them.
class StringGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface
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

    int cachedCellCount() const { return int(m_cells.size()); }

    // What the grid tells the accessibility layer; each does nothing while it is inactive.
    static void notifyCurrentCellMoved(StringGrid* grid);
    static void notifyFocusIn(StringGrid* grid);
    static void notifyCellWritten(StringGrid* grid, int col, int row);
    static void notifyCountChanged(StringGrid* grid, Qt::Orientation counted, int oldCount, int newCount);

private:
    static StringGridAccessible* of(StringGrid* grid);
    QAccessibleInterface* cell(int col, int row) const;
    QAccessibleInterface* cachedCell(int col, int row) const;
    QAccessibleInterface* currentCell() const;
    bool gridHasFocus() const;
    void forgetCell(quint64 key);
    void sendCurrentCellEvents();

    mutable QHash<quint64, QAccessible::Id> m_cells;
    // Keys in the order their cells were made, oldest first.
    mutable std::deque<quint64> m_order;
};
