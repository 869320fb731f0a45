#pragma once

#include "arithmetic/NumberText.h"

#include <string>
#include <string_view>
#include <vector>

// A block of cells as another program put it on the clipboard, a row of field texts per line, read only as far
// as it can fit into the room left at the current cell.
struct PastedBlock
{
    enum class Fit {
        Empty,    // nothing to paste
        Fits,     // rows holds the block
        TooLarge, // more rows or columns than the room has; rows is empty
    };
    Fit fit = Fit::Empty;
    std::vector<std::vector<std::string>> rows;

    int height() const { return int(rows.size()); }
    // The widest row's field count.
    int width() const;
};

// The room a block may take: the rows and columns from the current cell to the matrix limit.
struct BlockRoom
{
    int rows = 0;
    int cols = 0;
};

// Tab-separated text: a row a line (CR LF, LF or CR; one empty last line dropped), fields at tabs; a tab that
// ends every line adds no column. Scanning stops at the first line or field beyond the room, so the work and the
// memory of a refusal do not grow with the text; each field of a block that fits then goes through
// PastedFieldText.
//   "1\t2\r\n3\n" -> {{"1", "2"}, {"3"}}    "1\t\n2\t\n" -> {{"1"}, {"2"}}    "" -> Empty
PastedBlock ReadTabSeparatedBlock(std::string_view text, BlockRoom room, const NumberSeparators& separators);
