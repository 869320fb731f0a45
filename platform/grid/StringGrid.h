#pragma once

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class GridInplaceEditor;
class QPainter;
class QRegion;
class QWindow;

// A grid of text cells addressed (column, row) from 0, with an in-place editor.
class StringGrid : public QAbstractScrollArea
{
    Q_OBJECT
public:
    static constexpr int DefaultColWidth = 40;
    static constexpr int DefaultRowHeight = 20;
    static constexpr int GridLineWidth = 1;
    // From one column or row to the next: a cell and the grid line after it.
    static constexpr int ColPitch = DefaultColWidth + GridLineWidth;
    static constexpr int RowPitch = DefaultRowHeight + GridLineWidth;
    // Where a cell's own text starts inside its box, and its editor's text too.
    static constexpr int TextInset = 2;
    // One number for a cell, for hashing: its column in the high half, its row in the low half.
    static constexpr quint64 cellKey(int col, int row) { return (quint64(quint32(col)) << 32) | quint32(row); }
    // How often the current cell steps towards a pointer dragged outside a display-only grid.
    static constexpr int DragScrollIntervalMs = 60;

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
    // Makes the cell current (clamped into the counts) and scrolls it into view.
    void setCurrentCell(int col, int row);

    // The view origin: the top-left visible cell.
    int leftCol() const { return m_leftCol; }
    int topRow() const { return m_topRow; }

    // The cell's 40 x 20 rectangle in viewport pixels, whatever the counts. Cells far outside the view
    // get coordinates clamped well outside it.
    QRect cellRect(int col, int row) const;

    bool editorOpen() const { return m_editorOpen; }
    GridInplaceEditor* inplaceEditor() const;

    // Paints a cell over the grid's own text. The canvas's brush is the fill colour and its pen the text
    // colour that the grid chose for the cell, its font the grid's font.
    using CellPainter = std::function<void(QPainter& canvas, StringGrid* sender, int col, int row, const QRect& rect,
                                           StringGrid::DrawState state)>;
    void setCellPainter(CellPainter painter);

    // The tooltip of a cell, asked when the pointer rests on it; an empty text shows none.
    using CellToolTip = std::function<QString(int col, int row)>;
    void setCellToolTip(CellToolTip toolTip);

signals:
    // The context menu key, Shift+F10 or the right button on a grid whose editor is closed: `at` is where
    // the menu belongs, in viewport coordinates.
    void contextMenuRequested(const QPoint& at);
    // Ctrl+Z on a closed cell.
    void undoRequested();
    // The user changed a cell's text in the editor.
    void cellEdited(int col, int row);
    // setCell changed a cell's stored text.
    void cellWritten(int col, int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    struct CellHit
    {
        bool inside = false;
        int col = 0;
        int row = 0;
    };

    void paintCells(QPainter& painter, const QRegion& region);
    void paintCell(QPainter& painter, int col, int row, const QRect& rect, bool focused);
    void paintFocusRect(QPainter& painter, const QRect& rect) const;
    bool hasGridFocus() const;
    void updateCell(int col, int row);

    // Columns and rows that fit whole in the viewport, at least 1 (whatever the counts).
    int fullColsInView() const;
    int fullRowsInView() const;
    qint64 lastFullyVisibleCol() const;
    qint64 lastFullyVisibleRow() const;
    int maxLeftCol() const;
    int maxTopRow() const;
    void setOrigin(qint64 leftCol, qint64 topRow);
    void scrollIntoView();
    void updateScrollBars();
    CellHit cellAt(const QPoint& pos) const;

    void moveCurrent(qint64 col, qint64 row);
    // Runs one key of the navigation table; returns false for keys that are not in it.
    bool navigate(int key, Qt::KeyboardModifiers modifiers);
    void takeFocus(Qt::FocusReason reason);

    void openEditor(bool selectAll);
    void closeEditor();
    void placeEditor();
    void onEditorKey(int key, Qt::KeyboardModifiers modifiers);
    void onEditorTab(bool forward);
    void onEditorFocusLeft();
    void onEditorTextChanged(const QString& text);

    bool isScrollBar(const QWidget* widget) const;

    // What the grid tells assistive technology (StringGridAnnounce.cpp); nothing while none listens.
    // The row count (Qt::Vertical) or the column count: the current cell kept within it.
    void setCount(Qt::Orientation counted, int count);
    void announceCountChange(Qt::Orientation counted, int oldCount, int newCount);
    void announceCurrentCell();
    void announceFocusIn();
    void announceCellWritten(int col, int row);
    void sendCellEvent(int col, int row, QAccessible::Event type);

    void dragTo(const QPoint& pos, bool step);
    void onDragTimer();
    void stopDrag();

    int m_rowCount = 1;
    int m_colCount = 1;
    int m_col = 0;
    int m_row = 0;
    int m_leftCol = 0;
    int m_topRow = 0;
    bool m_editable = false;
    bool m_editorOpen = false;
    QHash<quint64, QString> m_cells;
    CellPainter m_cellPainter;
    CellToolTip m_cellToolTip;
    QPointer<QWindow> m_filteredWindow;
    GridInplaceEditor* m_editor = nullptr;
    bool m_dragging = false;
    QPoint m_dragPos;
    QTimer m_dragTimer;
    // The press that last made a cell current, to tell the second press of a double-click.
    ulong m_lastPressTime = 0;
    int m_lastPressCol = -1;
    int m_lastPressRow = -1;
    int m_wheelRemainder = 0;
    bool m_focusPolicyHeld = false;
    Qt::FocusPolicy m_heldFocusPolicy = Qt::StrongFocus;
    bool m_updatingBars = false;
    bool m_barsAgain = false;
    bool m_focusAnnouncementPending = false;
};
