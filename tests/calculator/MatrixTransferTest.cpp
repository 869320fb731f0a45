// Paste and undo as plain data: the change a paste asks for and the one that takes it back.
#include "calculator/MatrixTransfer.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A grid's stored texts; cells never written are empty.
struct Cells
{
    int rows;
    int cols;
    std::map<std::pair<int, int>, std::string> texts;

    GridCells view() const
    {
        return {rows, cols, [this](int col, int row) {
                    const auto found = texts.find({col, row});
                    return found == texts.end() ? std::string() : found->second;
                }};
    }
    void apply(const GridChange& change)
    {
        rows = change.rows;
        cols = change.cols;
        for (const GridChange::Cell& cell : change.cells)
            texts[{cell.col, cell.row}] = cell.text;
    }
};

} // namespace

TEST(MatrixTransfer, APasteGrowsTheCountsWritesOnlyWhatChangesAndIsTakenBackOnce)
{
    Cells grid{2, 2, {{{0, 0}, "1"}, {{1, 1}, "4"}}};
    const Cells before = grid;
    MatrixTransfer transfer;
    GridChange change;
    ASSERT_EQ(transfer.paste("4\t5\n6", "", grid.view(), 1, 1, change), MatrixTransfer::PasteOutcome::Changed);
    EXPECT_EQ(change.rows, 3);
    EXPECT_EQ(change.cols, 3);
    EXPECT_EQ(change.cells.size(), 2u); // (1,1) holds 4 already
    grid.apply(change);
    EXPECT_EQ(grid.texts,
              (std::map<std::pair<int, int>, std::string>{{{0, 0}, "1"}, {{1, 1}, "4"}, {{2, 1}, "5"}, {{1, 2}, "6"}}));

    std::optional<GridChange> undo = transfer.takeUndo();
    ASSERT_TRUE(undo.has_value());
    grid.apply(*undo);
    EXPECT_EQ(grid.rows, before.rows);
    EXPECT_EQ(grid.cols, before.cols);
    EXPECT_EQ(grid.view().text(2, 1), "");
    EXPECT_EQ(grid.view().text(1, 2), "");
    EXPECT_FALSE(transfer.takeUndo().has_value());

    // A block beyond the limit changes nothing and keeps no undo.
    EXPECT_EQ(transfer.paste("1\t2", "", grid.view(), 19, 0, change), MatrixTransfer::PasteOutcome::TooLarge);
    EXPECT_FALSE(transfer.canUndo());
}
