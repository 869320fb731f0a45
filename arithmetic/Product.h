#pragma once

#include "arithmetic/Extended.h"

#include <cstddef>
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

// A matrix has at most this many rows and this many columns.
inline constexpr int MatrixCountLimit = 20;

// Values of a matrix, row after row.
struct ExtendedMatrix
{
    int rows = 0;
    int cols = 0;
    std::vector<Extended> values;

    ExtendedMatrix() = default;
    ExtendedMatrix(int rowCount, int colCount)
        : rows(rowCount)
        , cols(colCount)
        , values(std::size_t(rowCount) * std::size_t(colCount))
    {
    }
    Extended& at(int row, int col) { return values[std::size_t(row) * std::size_t(cols) + std::size_t(col)]; }
    Extended at(int row, int col) const { return values[std::size_t(row) * std::size_t(cols) + std::size_t(col)]; }
};

// The texts of R = A x B (a.cols must equal b.rows), row after row: each cell the same rounded steps as
// DotProductText on the texts the values were parsed from, so the two agree to the last bit.
//   {{1, 2}, {3, 4}} x {{5}, {6}} -> {"17", "39"}
// Throws std::overflow_error("Floating point overflow") as DotProductText does, before returning any text.
std::vector<std::string> ProductTexts(const ExtendedMatrix& a, const ExtendedMatrix& b);

// R = A x B as values, by the same rounded steps; throws as ProductTexts does.
ExtendedMatrix ProductValues(const ExtendedMatrix& a, const ExtendedMatrix& b);

// The result texts of R's values, row after row.
std::vector<std::string> ResultTexts(const ExtendedMatrix& r);
