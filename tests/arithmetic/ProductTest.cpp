#include "arithmetic/Product.h"

#include <gtest/gtest.h>

#include <stdexcept>

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
