#pragma once

#include "arithmetic/Extended.h"
#include "arithmetic/Product.h"
#include "transfer/CopiedBlock.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A grid's cells as plain data: its counts and the stored text of a cell (col, row).
struct GridCells
{
    int rows = 0;
    int cols = 0;
    std::function<std::string(int col, int row)> text;
};

// The number a cell holds, or nothing when it holds none.
using CellValues = std::function<std::optional<Extended>(int col, int row)>;
// Values read from the cells' texts, as Calculate reads them.
CellValues ValuesFromTexts(const GridCells& grid);
// The values of a computed matrix (referred to, not copied); nothing outside it.
CellValues ValuesOfMatrix(const ExtendedMatrix& values);

// What to do to a grid: set its counts (growing before the cells are written, shrinking after), then the texts.
struct GridChange
{
    struct Cell
    {
        int col;
        int row;
        std::string text;
    };
    int rows = 0;
    int cols = 0;
    std::vector<Cell> cells;
};

// The copy texts of a grid and the paste and undo of an entry grid, without widgets: the menu hands in the
// cells as they stand and applies the change it gets back.
class MatrixTransfer
{
public:
    enum class PasteOutcome {
        Nothing,  // an empty block
        TooLarge, // nothing changes; say PasteTooLargeMessage
        Changed,  // apply the change; undo() takes it back
    };

    // The change that writes the pasted block (its HTML table when it has one, else its text) from the cell
    // (col, row) rightwards and down, the counts growing to hold it up to the matrix limit.
    PasteOutcome paste(std::string_view text, std::string_view html, const GridCells& grid, int col, int row,
                       GridChange& change);
    bool canUndo() const { return m_undo.has_value(); }
    // The change that puts back every text and count the last paste changed; nothing once it is taken or
    // forgotten.
    std::optional<GridChange> takeUndo();
    // The grid was edited: the last paste can no longer be taken back.
    void forget() { m_undo.reset(); }

private:
    std::optional<GridChange> m_undo;
};

// "The pasted cells do not fit: a matrix has at most 20 rows and 20 columns."
std::string PasteTooLargeMessage();

// The grid's rows x cols cells for Copy Matrix, with the values `values` gives them.
CopiedBlock CopyMatrixBlock(const GridCells& grid, const CellValues& values);
