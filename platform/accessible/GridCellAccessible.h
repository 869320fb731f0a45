#pragma once

#include "platform/accessible/GridPartAccessible.h"

#include <QAccessibleInterface>

class StringGrid;

// One cell of a StringGrid as assistive technology sees it: a table cell named by its text. Made on
// demand by the grid's own interface and owned by Qt's accessibility cache; it holds no text itself, so
// it reads the grid as it is whenever asked.
class GridCellAccessible : public GridPartAccessible, public QAccessibleTableCellInterface
{
public:
    GridCellAccessible(StringGrid* grid, int col, int row);
    ~GridCellAccessible() override;

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override;
    int rowExtent() const override;
    QAccessibleInterface* table() const override;

private:
    bool isCurrent() const;
    QList<QAccessibleInterface*> headerCells(Qt::Orientation orientation, int index) const;

    int m_col;
    int m_row;
};
