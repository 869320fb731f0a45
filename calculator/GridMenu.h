#pragma once

#include "calculator/MatrixTransfer.h"
#include "platform/desktop/ClipboardContent.h"

#include <QObject>

class ComputedResult;
class QPoint;
class SpinEdit;
class StringGrid;

// A grid's context menu: Copy and Copy Matrix on every grid; on an entry grid also Paste, a block at the
// current cell growing the counts through their spin editors, and Undo Paste. On the result grid, once it is
// given what the window computed: Copy and Copy Matrix only while the result is up to date, and Show
// Calculation. The menu builds and dispatches; what the items write and change comes from MatrixTransfer.
class GridMenu : public QObject
{
    Q_OBJECT
public:
    // The spin editors that set the grid's rows and columns; null for a grid that only shows results.
    GridMenu(StringGrid* grid, SpinEdit* rowsEditor, SpinEdit* colsEditor);

    // The result grid's menu asks `result` whether R is up to date and how its cells were reached.
    void setResult(const ComputedResult* result) { m_result = result; }

    void copyCell();
    void copyMatrix();
    // Pastes the block (the HTML table when the content has one, else its tab-separated text) at the current
    // cell as one step that undoPaste takes back.
    void paste(const ClipboardContent& content);
    bool canUndoPaste() const { return m_transfer.canUndo(); }
    void undoPaste();
    // Shows how the current cell of the result was reached, in a box.
    void showCalculation();

private:
    bool takesPaste() const { return m_rowsEditor && m_colsEditor; }
    bool canCopy() const;
    QString currentExplanation() const;
    void popup(const QPoint& at);
    GridCells cells() const;
    void apply(const GridChange& change);
    void announce(const QString& message) const;
    // Sets the count as typing would, with the editor's change notification.
    static void setCount(SpinEdit* editor, int value);

    StringGrid* m_grid;
    SpinEdit* m_rowsEditor;
    SpinEdit* m_colsEditor;
    MatrixTransfer m_transfer;
    const ComputedResult* m_result = nullptr;
};
