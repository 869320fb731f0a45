#pragma once

#include <string>
#include <vector>

// The text of one result cell: the dot product of a row of A and a column of B, each factor parsed from
// its text as it is used, multiplied and added from the first term on in extended precision, then
// formatted as a result. The texts must be numbers (ParseNumber throws otherwise).
//   {"1", "2", "3"} . {"7", "9", "11"}     -> "58"
//   {"1e20", "1", "-1e20"} . {"1", "1", "1"} -> "0"   (the terms are added in order)
//   {"1e20", "-1e20", "1"} . {"1", "1", "1"} -> "1"
// Throws std::overflow_error("Floating point overflow") when a product or a partial sum overflows.
std::string DotProductText(const std::vector<std::string>& aRow, const std::vector<std::string>& bColumn);
