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
