#pragma once

#include <QAccessibleInterface>
#include <QPointer>

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
class GridHeaderAccessible : public QAccessibleInterface
{
public:
    GridHeaderAccessible(StringGrid* grid, Qt::Orientation orientation, int index);
    ~GridHeaderAccessible() override;

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<StringGrid> m_grid;
    Qt::Orientation m_orientation;
    int m_index;
};
