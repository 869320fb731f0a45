#pragma once

#include "arithmetic/Extended.h"

#include <cstddef>
#include <string>
#include <vector>

// The longest line of an explanation, in characters: twenty terms of long numbers wrap onto further lines
// rather than making a box or tooltip wider than a screen.
inline constexpr std::size_t ExplanationLineWidth = 72;
// A factor's text longer than this shows its start and end around "…".
inline constexpr std::size_t ExplanationFactorLength = 32;

// How one cell of R was reached, for a person checking it: the cell's result text, the sum of products of
// the texts of A's row and B's column it was computed from, then its full value on a line of its own.
// An out-of-date result says so first. Continuation lines of a long sum start with "+ ".
//   {"2", "1"} . {"0.123456789", "1000"}, value 1000.246913578
//       -> "1,000.246914 = 2 × 0.123456789 + 1 × 1000\nFull value: 1000.246913578"
//   the same, out of date -> "Out of date\n1,000.246914 = 2 × 0.123456789 + 1 × 1000\nFull value: ..."
std::string ExplainResultCell(const std::vector<std::string>& aRow, const std::vector<std::string>& bColumn,
                              Extended value, bool outOfDate);
