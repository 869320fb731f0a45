#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class StringGrid;

// What every part of a StringGrid that a screen reader sees (a cell, a row or column header) has in
// common: no object of its own (events about it are addressed by its interface), the grid's window, the
// grid's table as its parent, and no children.
class GridPartAccessible : public QAccessibleInterface
{
public:
    explicit GridPartAccessible(StringGrid* grid);
    ~GridPartAccessible() override;

    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

protected:
    StringGrid* grid() const { return m_grid; }

private:
    QPointer<StringGrid> m_grid;
};
