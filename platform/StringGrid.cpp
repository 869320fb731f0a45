#include "platform/StringGrid.h"

#include <algorithm>

namespace {
quint64 cellKey(int col, int row)
{
    return (quint64(quint32(col)) << 32) | quint32(row);
}
} // namespace

StringGrid::StringGrid(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
}

StringGrid::~StringGrid() = default;

void StringGrid::setRowCount(int count)
{
    m_rowCount = std::max(count, 1);
    m_row = std::min(m_row, m_rowCount - 1);
    viewport()->update();
}

void StringGrid::setColCount(int count)
{
    m_colCount = std::max(count, 1);
    m_col = std::min(m_col, m_colCount - 1);
    viewport()->update();
}

QString StringGrid::cell(int col, int row) const
{
    return m_cells.value(cellKey(col, row));
}

void StringGrid::setCell(int col, int row, const QString& text)
{
    m_cells.insert(cellKey(col, row), text);
    viewport()->update();
}

void StringGrid::setEditable(bool on)
{
    m_editable = on;
}
