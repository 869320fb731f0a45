#include "arithmetic/FullValue.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Significant digits of a decimal text: from its first non-zero digit to the end of the mantissa.
int significantDigits(const std::string& text)
{
    const std::string mantissa = text.substr(0, text.find('e'));
    int digits = 0;
    bool started = false;
    for (const char c : mantissa) {
        started = started || (c >= '1' && c <= '9');
        digits += started && c >= '0' && c <= '9';
    }
    return digits;
}

bool sameBits(Extended a, Extended b)
{
    // The ten bytes of the format; the padding after them is not part of the value.
    return std::memcmp(&a, &b, 10) == 0;
}

} // namespace

TEST(FullValueText, ReadsBackBitForBitInAtMostTwentyOneDigits)
{
    using Limits = std::numeric_limits<Extended>;
    struct Case
    {
        Extended value;
        const char* expected; // the exact text where it is short enough to state, else null
        int digits;           // its significant digits, where they are the point of the row
    };
    const Case cases[] = {
        {0.1L, "0.1", 1},
        {1.0L / 3.0L, nullptr, 20},
        {18446744073709551616.0L, "18446744073709551616", 20},
        {1000.246913578L, "1000.246913578", 13},
        {-0.0L, "-0", 0},
        {0.0L, "0", 0},
        {Limits::denorm_min(), nullptr, 0},
        {Limits::min() / 3, nullptr, 0}, // a subnormal with many bits
        {Limits::min(), nullptr, 0},
        {Limits::max(), nullptr, 0},
        {-Limits::max(), nullptr, 0},
        {10.5818199131768385796L, "10.5818199131768385796", 21},
        {0.000121691807258277678743L, nullptr, 21},
    };
    const std::string previousLocale = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    for (const Case& c : cases) {
        const std::string text = FullValueText(c.value);
        SCOPED_TRACE(text);
        if (c.expected) {
            EXPECT_EQ(text, c.expected);
        }
        if (c.digits) {
            EXPECT_EQ(significantDigits(text), c.digits);
        }
        EXPECT_LE(significantDigits(text), 21);
        EXPECT_EQ(text.find_first_of(",_ "), std::string::npos);
        char* end = nullptr;
        const Extended back = std::strtold(text.c_str(), &end);
        EXPECT_EQ(*end, '\0');
        EXPECT_TRUE(sameBits(back, c.value)) << "read back differs";
    }
    std::setlocale(LC_NUMERIC, previousLocale.c_str());
}
