#include "arithmetic/GroupedNumber.h"

#include <gtest/gtest.h>

TEST(WithoutThousandsSeparators, DropsSeparatorsOnlyFromNumbersGroupedAsResultsAre)
{
    struct Case
    {
        char32_t decimal;
        char32_t thousands;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {U'.', U',', "1,234.5", "1234.5"},
        {U'.', U',', "-12,345,678", "-12345678"},
        {U'.', U',', "999,999.000001", "999999.000001"},
        {U'.', U',', "12", "12"},
        {U'.', U',', "1,23", "1,23"},         // a group of two
        {U'.', U',', "1,2345", "1,2345"},     // a group of four
        {U'.', U',', "1234,567", "1234,567"}, // four digits before the first separator
        {U'.', U',', ",123", ",123"},         // no leading digit
        {U'.', U',', "1,234,", "1,234,"},     // a separator at the end
        {U'.', U',', "1,234.", "1,234."},     // a decimal separator with no digits after it
        {U'.', U',', "1,234.5x", "1,234.5x"}, // anything after the digits
        {U'.', U',', "+1,234", "+1,234"},     // results never carry a plus
        {U'.', U',', "1,234e5", "1,234e5"},   // nor an exponent with groups
        {U',', U'.', "1.234,5", "1234,5"},
        {U',', U'.', "1,234.5", "1,234.5"}, // the other convention stays as it stands
        {U',', U'\u202F', "1\u202F234,5", "1234,5"},
        {U'.', 0, "1,234.5", "1,234.5"}, // no grouping
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithoutThousandsSeparators(c.text, {c.decimal, c.thousands}), c.expected) << c.text;
}
