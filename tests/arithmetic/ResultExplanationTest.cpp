#include "arithmetic/ResultExplanation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ResultExplanation, ALongSumWrapsBeforeTheTermThatWouldPassTheLineWidthAndALongFactorIsShortened)
{
    const std::vector<std::string> a(4, "-1,234,567.1234567");
    const std::vector<std::string> b{"0.5", "2", std::string(40, '1') + ".25", "1e3"};
    EXPECT_EQ(ExplainResultCell(a, b, 1.5L, false),
              "1.5 = -1,234,567.1234567 \u00D7 0.5 + -1,234,567.1234567 \u00D7 2\n"
              "+ -1,234,567.1234567 \u00D7 111111111111111\u2026111111111111.25\n"
              "+ -1,234,567.1234567 \u00D7 1e3\n"
              "Full value: 1.5");
}
