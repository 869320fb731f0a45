#pragma once

#include "arithmetic/Extended.h"

#include <optional>
#include <string>
#include <vector>

// One cell as it leaves for another program: the text it shows and, for a number, its value.
struct CopiedCell
{
    std::string text;
    std::optional<Extended> value;
};

// A block of cells in the two forms spreadsheets paste: tab-separated lines, and an HTML table whose cells
// show their texts and carry their full values (FullValueText) where spreadsheets read them, so a sheet gets
// the number itself, not a rounded text to convert.
struct CopiedBlock
{
    std::string text; // a row a line, ended by LF; cells separated by tabs
    std::string html; // UTF-8; one <table>
};

//   {{"1,000.5" = 1000.5, "x"}} -> text "1,000.5\tx\n",
//   html ... <td sdval="1000.5" sdnum="1033;0;General" x:num="1000.5">1,000.5</td><td>x</td> ...
CopiedBlock WriteCopiedBlock(const std::vector<std::vector<CopiedCell>>& rows);
