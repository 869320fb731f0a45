#include "calculator/MatrixTransfer.h"

#include "arithmetic/NumberText.h"
#include "arithmetic/Product.h"
#include "transfer/PasteReader.h"

#include <algorithm>
#include <utility>

CellValues ValuesFromTexts(const GridCells& grid)
{
    return [text = grid.text](int col, int row) -> std::optional<Extended> {
        Extended value;
        if (TryParseNumber(text(col, row), value))
            return value;
        return std::nullopt;
    };
}

CellValues ValuesOfMatrix(const ExtendedMatrix& values)
{
    return [&values](int col, int row) -> std::optional<Extended> {
        if (row < values.rows && col < values.cols)
            return values.at(row, col);
        return std::nullopt;
    };
}

MatrixTransfer::PasteOutcome MatrixTransfer::paste(std::string_view text, std::string_view html, const GridCells& grid,
                                                   int col, int row, GridChange& change)
{
    const BlockRoom room{MatrixCountLimit - row, MatrixCountLimit - col};
    PastedBlock block = ReadPastedBlock(text, html, room, CurrentNumberSeparators());
    if (block.fit == PastedBlock::Fit::TooLarge)
        return PasteOutcome::TooLarge;
    if (block.fit == PastedBlock::Fit::Empty)
        return PasteOutcome::Nothing;

    GridChange undo{grid.rows, grid.cols, {}};
    change = GridChange{std::max(grid.rows, row + block.height()), std::max(grid.cols, col + block.width()), {}};
    for (int i = 0; i < block.height(); ++i) {
        std::vector<std::string>& fields = block.rows[std::size_t(i)];
        for (int k = 0; k < int(fields.size()); ++k) {
            std::string old = grid.text(col + k, row + i);
            if (old == fields[std::size_t(k)])
                continue;
            undo.cells.push_back({col + k, row + i, std::move(old)});
            change.cells.push_back({col + k, row + i, std::move(fields[std::size_t(k)])});
        }
    }
    m_undo = std::move(undo);
    return PasteOutcome::Changed;
}

std::optional<GridChange> MatrixTransfer::takeUndo()
{
    return std::exchange(m_undo, std::nullopt);
}

std::string PasteTooLargeMessage()
{
    const std::string limit = std::to_string(MatrixCountLimit);
    return "The pasted cells do not fit: a matrix has at most " + limit + " rows and " + limit + " columns.";
}

CopiedBlock CopyMatrixBlock(const GridCells& grid, const CellValues& values)
{
    std::vector<std::vector<CopiedCell>> rows(std::size_t(std::max(grid.rows, 0)));
    for (int row = 0; row < grid.rows; ++row) {
        std::vector<CopiedCell>& cells = rows[std::size_t(row)];
        cells.reserve(std::size_t(std::max(grid.cols, 0)));
        for (int col = 0; col < grid.cols; ++col)
            cells.push_back({grid.text(col, row), values(col, row)});
    }
    return WriteCopiedBlock(rows);
}
