#pragma once

#include "calculator/MatrixTransfer.h"
#include "platform/desktop/ClipboardContent.h"

#include <QObject>

class QPoint;
class SpinEdit;
class StringGrid;

// A grid's context menu: Copy and Copy Matrix on every grid; on an entry grid also Paste, a block at the
// current cell growing the counts through their spin editors, and Undo Paste. The menu builds and dispatches;
// what the items write and change comes from MatrixTransfer.
class GridMenu : public QObject
{
    Q_OBJECT
public:
    // The spin editors that set the grid's rows and columns; null for a grid that only shows results.
    GridMenu(StringGrid* grid, SpinEdit* rowsEditor, SpinEdit* colsEditor);

    // Where Copy Matrix takes the cells' full values from; by default each cell's text is read as a number.
    void setCellValues(CellValues values) { m_values = std::move(values); }

    void copyCell();
    void copyMatrix();
    // Pastes the block (the HTML table when the content has one, else its tab-separated text) at the current
    // cell as one step that undoPaste takes back.
    void paste(const ClipboardContent& content);
    bool canUndoPaste() const { return m_transfer.canUndo(); }
    void undoPaste();

private:
    bool takesPaste() const { return m_rowsEditor && m_colsEditor; }
    void popup(const QPoint& at);
    GridCells cells() const;
    void apply(const GridChange& change);
    void announce(const QString& message) const;
    // Sets the count as typing would, with the editor's change notification.
    static void setCount(SpinEdit* editor, int value);

    StringGrid* m_grid;
    SpinEdit* m_rowsEditor;
    SpinEdit* m_colsEditor;
    CellValues m_values;
    MatrixTransfer m_transfer;
};
