#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QString>

class QPainter;

// A grid of text cells addressed (column, row) from 0, with an in-place editor.
class StringGrid : public QAbstractScrollArea
{
    Q_OBJECT
public:
    static constexpr int DefaultColWidth = 40;
    static constexpr int DefaultRowHeight = 20;
    static constexpr int GridLineWidth = 1;

    // The drawing flags of one cell, handed to the cell paint callback.
    struct DrawState
    {
        bool selected = false;
        bool focused = false;
    };

    explicit StringGrid(QWidget* parent = nullptr);
    ~StringGrid() override;

    int rowCount() const { return m_rowCount; }
    void setRowCount(int count);
    int colCount() const { return m_colCount; }
    void setColCount(int count);

    // A cell never written reads as the empty text; texts outside the counts are kept.
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);

    // In-place editing (A and B); off for a display-only grid.
    bool editable() const { return m_editable; }
    void setEditable(bool on);

    int col() const { return m_col; }
    int row() const { return m_row; }

    // The drawing surface while drawCell is being emitted: its brush is the fill colour and its pen the
    // text colour that the grid chose for the cell, its font the grid's font. Null outside painting.
    QPainter* canvas() const { return m_canvas; }

signals:
    void drawCell(StringGrid* sender, int col, int row, const QRect& rect, StringGrid::DrawState state);

private:
    int m_rowCount = 1;
    int m_colCount = 1;
    int m_col = 0;
    int m_row = 0;
    bool m_editable = false;
    QHash<quint64, QString> m_cells;
    QPainter* m_canvas = nullptr;
};
