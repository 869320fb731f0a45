#pragma once

#include <QObject>
#include <QString>

#include <vector>

class ComputedResult;
class QPoint;
class QWidget;
class SpinEdit;
class StringGrid;

// A grid's context menu: Copy and Copy Matrix on every grid; on an entry grid also Paste, a
// tab-separated block at the current cell growing the counts through their spin editors, and Undo Paste,
// which puts back every cell text and count the last paste changed. On the result grid, once it is given
// what the window computed: Copy and Copy Matrix only while the result is up to date, and Show Calculation.
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
    // Pastes `text` at the current cell as one step that undoPaste takes back.
    void paste(const QString& text);
    bool canUndoPaste() const { return m_undo.has; }
    void undoPaste();
    // Shows how the current cell of the result was reached, in a box.
    void showCalculation();

private:
    struct CellText
    {
        int col;
        int row;
        QString text;
    };
    struct Count
    {
        SpinEdit* editor;
        qint64 value;
    };
    struct UndoStep
    {
        bool has = false;
        std::vector<CellText> cells;
        std::vector<Count> counts;
    };

    bool takesPaste() const { return m_rowsEditor && m_colsEditor; }
    bool canCopy() const;
    QString currentExplanation() const;
    void popup(const QPoint& at);
    void forgetUndo();
    // Sets the count as typing would, with the editor's change notification.
    static void setCount(SpinEdit* editor, qint64 value);

    StringGrid* m_grid;
    SpinEdit* m_rowsEditor;
    SpinEdit* m_colsEditor;
    UndoStep m_undo;
    const ComputedResult* m_result = nullptr;
};
