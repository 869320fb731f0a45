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

std::vector<std::string> ProductTexts(const ExtendedMatrix& a, const ExtendedMatrix& b)
{
    const int n = a.cols < b.rows ? a.cols : b.rows;
    std::vector<Extended> sums;
    sums.reserve(std::size_t(a.rows) * std::size_t(b.cols));
    for (int i = 0; i < a.rows; ++i) {
        for (int j = 0; j < b.cols; ++j) {
            Extended sum = 0.0L;
            for (int k = 0; k < n; ++k) {
                const Extended t = checked(b.at(k, j) * a.at(i, k));
                sum = checked(t + sum);
            }
            sums.push_back(sum);
        }
    }
    std::vector<std::string> texts;
    texts.reserve(sums.size());
    for (const Extended sum : sums)
        texts.push_back(FormatResult(sum));
    return texts;
}
