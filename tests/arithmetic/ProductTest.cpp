#include "arithmetic/Product.h"

#include "arithmetic/NumberText.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

TEST(DotProductText, AddsTheProductsInOrderFromAPositiveZero)
{
    EXPECT_EQ(DotProductText({"1", "2", "3"}, {"7", "9", "11"}), "58");
    EXPECT_EQ(DotProductText({"1e20", "1", "-1e20"}, {"1", "1", "1"}), "0");
    EXPECT_EQ(DotProductText({"1e20", "-1e20", "1"}, {"1", "1", "1"}), "1");
    // -0 times 1 is -0, and -0 + +0 is +0: no minus sign can come from the start value.
    EXPECT_EQ(DotProductText({"-0"}, {"1"}), "0");
    EXPECT_EQ(DotProductText({"1e-3000"}, {"1e-3000"}), "0");
}

TEST(DotProductText, AnOverflowingProductOrSumThrowsTheOverflowMessage)
{
    for (const auto& [a, b] : {std::pair<std::vector<std::string>, std::vector<std::string>>{{"1e3000"}, {"1e3000"}},
                               {{"1e4932", "1e4932"}, {"1", "1"}},
                               {{"-1e4932", "-1e4932"}, {"1", "1"}}}) {
        try {
            DotProductText(a, b);
            ADD_FAILURE() << a[0] << " did not overflow";
        } catch (const std::overflow_error& error) {
            EXPECT_STREQ(error.what(), "Floating point overflow");
        }
    }
    // The largest values that do not overflow still go through.
    EXPECT_EQ(DotProductText({"1e4932"}, {"1"}), "1E4932");
}

TEST(DotProductText, ATextThatIsNotANumberThrowsTheParseMessage)
{
    EXPECT_THROW(DotProductText({"x"}, {"1"}), std::invalid_argument);
}

namespace {

// Texts whose sums depend on the order and rounding of every step: cancelling giants, values with
// long fractions, signed zeros and values that underflow.
const char* const Pool[] = {"1e20",
                            "-1e20",
                            "1",
                            "-3.25",
                            "0.1",
                            "1234567.1234567",
                            "2.5e-3",
                            "-0",
                            "1e-4000",
                            "123456789012345678",
                            "-0.3333333333333333333",
                            "7"};

struct TextMatrix
{
    int rows;
    int cols;
    std::vector<std::string> cells;
    const std::string& at(int row, int col) const { return cells[std::size_t(row * cols + col)]; }
};

TextMatrix randomTexts(std::mt19937& random, int rows, int cols)
{
    std::uniform_int_distribution<std::size_t> pick(0, std::size(Pool) - 1);
    TextMatrix m{rows, cols, {}};
    for (int i = 0; i < rows * cols; ++i)
        m.cells.emplace_back(Pool[pick(random)]);
    return m;
}

ExtendedMatrix parsed(const TextMatrix& texts)
{
    ExtendedMatrix values(texts.rows, texts.cols);
    for (int i = 0; i < texts.rows; ++i) {
        for (int j = 0; j < texts.cols; ++j)
            values.at(i, j) = ParseNumber(texts.at(i, j));
    }
    return values;
}

// DotProductText for every cell, or the message it throws.
std::vector<std::string> referenceTexts(const TextMatrix& a, const TextMatrix& b)
{
    std::vector<std::string> texts;
    for (int i = 0; i < a.rows; ++i) {
        for (int j = 0; j < b.cols; ++j) {
            std::vector<std::string> row, column;
            for (int k = 0; k < a.cols; ++k) {
                row.push_back(a.at(i, k));
                column.push_back(b.at(k, j));
            }
            try {
                texts.push_back(DotProductText(row, column));
            } catch (const std::overflow_error& error) {
                return {error.what()};
            }
        }
    }
    return texts;
}

std::vector<std::string> productTexts(const TextMatrix& a, const TextMatrix& b)
{
    try {
        return ProductTexts(parsed(a), parsed(b));
    } catch (const std::overflow_error& error) {
        return {error.what()};
    }
}

} // namespace

TEST(ProductTexts, AgreesWithDotProductTextOnEveryCellOfRandomMatrices)
{
    std::mt19937 random(20091);
    std::uniform_int_distribution<int> size(1, 7);
    for (int round = 0; round < 300; ++round) {
        const int m = size(random), n = size(random), p = size(random);
        const TextMatrix a = randomTexts(random, m, n);
        const TextMatrix b = randomTexts(random, n, p);
        ASSERT_EQ(productTexts(a, b), referenceTexts(a, b)) << m << " x " << n << " x " << p << ", round " << round;
    }
}

TEST(ProductTexts, AnOverflowInTheMiddleThrowsTheSameMessageAndNoTexts)
{
    // Cell (1, 0) overflows in its second sum; the cells before and after it are ordinary.
    const TextMatrix a{3, 2, {"1", "2", "1e4932", "1e4932", "3", "4"}};
    const TextMatrix b{2, 2, {"1", "5", "1", "6"}};
    EXPECT_EQ(referenceTexts(a, b), std::vector<std::string>{"Floating point overflow"});
    EXPECT_EQ(productTexts(a, b), std::vector<std::string>{"Floating point overflow"});
    // A product that overflows on its own, in the last cell.
    const TextMatrix c{2, 1, {"1", "1e3000"}};
    const TextMatrix d{1, 2, {"2", "1e3000"}};
    EXPECT_EQ(productTexts(c, d), std::vector<std::string>{"Floating point overflow"});
    EXPECT_EQ(ProductTexts(parsed({2, 2, {"1", "2", "3", "4"}}), parsed({2, 1, {"5", "6"}})),
              (std::vector<std::string>{"17", "39"}));
}
