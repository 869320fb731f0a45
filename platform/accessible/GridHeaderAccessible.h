#pragma once

#include "platform/accessible/GridPartAccessible.h"

#include <QAccessibleInterface>

class StringGrid;

// Where a grid cell finds the header cells of its row and column: the grid's own table, which makes
// them when asked and keeps only a bounded number.
class GridHeaderSource
{
public:
    virtual ~GridHeaderSource() = default;
    // The header of row `index` (Qt::Vertical) or column `index` (Qt::Horizontal).
    virtual QAccessibleInterface* headerCell(Qt::Orientation orientation, int index) const = 0;
};

// The header of one row ("Row 3") or column ("Column 2") of a StringGrid. The grid shows no header;
// this only tells a screen reader which row or column the current cell is in.
class GridHeaderAccessible : public GridPartAccessible
{
public:
    GridHeaderAccessible(StringGrid* grid, Qt::Orientation orientation, int index);
    ~GridHeaderAccessible() override;

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    Qt::Orientation m_orientation;
    int m_index;
};
