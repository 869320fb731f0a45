#include "arithmetic/ResultExplanation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::size_t characters(const std::string& text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

} // namespace

TEST(ResultExplanation, TwentyLongTermsWrapIntoLinesNoWiderThanTheLimitAndLongFactorsAreShortened)
{
    std::vector<std::string> a(20, "-123,456.789012");
    const std::vector<std::string> b(20, "0.000012345678901234");
    a[3] = std::string(40, '1') + "." + std::string(9, '2');
    const std::string text = ExplainResultCell(a, b, 1.5L, false);

    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines.front(), "1.5 = -123,456.789012 \xC3\x97 0.000012345678901234");
    EXPECT_EQ(lines.back(), "Full value: 1.5");
    std::string sum;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_LE(characters(lines[i]), ExplanationLineWidth) << lines[i];
        if (i > 0) {
            EXPECT_EQ(lines[i].rfind("+ ", 0), 0u) << lines[i];
            sum += ' ';
        }
        sum += lines[i];
    }
    // Rejoined, the lines are the one-line sum: no term lost or split.
    std::string expected = "1.5 =";
    for (std::size_t k = 0; k < a.size(); ++k)
        expected += (k == 0 ? " " : " + ")
                    + (k == 3 ? "111111111111111\xE2\x80\xA6"
                                "11111.222222222"
                              : a[k])
                    + " \xC3\x97 " + b[k];
    EXPECT_EQ(sum, expected);
}
