#include "arithmetic/Product.h"

#include "arithmetic/NumberText.h"

#include <cmath>
#include <stdexcept>

namespace {

// Parsed operands are always finite, so an infinite product or sum can only be an overflow.
Extended checked(Extended value)
{
    if (std::isinf(value))
        throw std::overflow_error("Floating point overflow");
    return value;
}

// A row of A times a column of B, whose terms lie `stride` values apart, by DotProductText's steps.
Extended dotProduct(const Extended* aRow, const Extended* bColumn, std::size_t stride, int n)
{
    Extended sum = 0.0L;
    for (int k = 0; k < n; ++k) {
        const Extended t = checked(bColumn[std::size_t(k) * stride] * aRow[k]);
        sum = checked(t + sum);
    }
    return sum;
}

} // namespace

std::string DotProductText(const std::vector<std::string>& aRow, const std::vector<std::string>& bColumn)
{
    Extended sum = 0.0L;
    const std::size_t n = aRow.size() < bColumn.size() ? aRow.size() : bColumn.size();
    for (std::size_t k = 0; k < n; ++k) {
        const Extended a = ParseNumber(aRow[k]);
        const Extended b = ParseNumber(bColumn[k]);
        const Extended t = checked(b * a);
        sum = checked(t + sum);
    }
    return FormatResult(sum);
}

ExtendedMatrix ProductValues(const ExtendedMatrix& a, const ExtendedMatrix& b)
{
    const int n = a.cols < b.rows ? a.cols : b.rows;
    const std::size_t stride = std::size_t(b.cols);
    ExtendedMatrix r(a.rows, b.cols);
    for (int i = 0; i < a.rows; ++i) {
        const Extended* aRow = a.values.data() + std::size_t(i) * std::size_t(a.cols);
        for (int j = 0; j < b.cols; ++j)
            r.at(i, j) = dotProduct(aRow, b.values.data() + j, stride, n);
    }
    return r;
}

std::vector<std::string> ResultTexts(const ExtendedMatrix& r)
{
    std::vector<std::string> texts;
    texts.reserve(r.values.size());
    for (const Extended value : r.values)
        texts.push_back(FormatResult(value));
    return texts;
}

std::vector<std::string> ProductTexts(const ExtendedMatrix& a, const ExtendedMatrix& b)
{
    // Every sum before any text: an overflow throws before formatting begins.
    return ResultTexts(ProductValues(a, b));
}
