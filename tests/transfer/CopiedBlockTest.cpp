// Copied blocks: the tab-separated text, and an HTML table that a reader takes back with full values.
#include "transfer/CopiedBlock.h"
#include "arithmetic/FullValue.h"
#include "transfer/HtmlTable.h"

#include <gtest/gtest.h>

TEST(CopiedBlock, CarriesEachNumbersFullValueBesideItsEscapedText)
{
    const Extended third = 1.0L / 3.0L;
    const CopiedBlock block = WriteCopiedBlock({{{"0.333333", third}, {"<a & \"b\">", std::nullopt}},
                                                {{"1,000.246914", 1000.246913578L}, {"", std::nullopt}}});
    EXPECT_EQ(block.text, "0.333333\t<a & \"b\">\n1,000.246914\t\n");
    EXPECT_NE(block.html.find("<td sdval=\"1000.246913578\" sdnum=\"1033;0;General\" x:num=\"1000.246913578\">"
                              "1,000.246914</td>"),
              std::string::npos)
        << block.html;
    EXPECT_NE(block.html.find("<td>&lt;a &amp; &quot;b&quot;&gt;</td>"), std::string::npos) << block.html;

    // What leaves comes back: the reader gets the full values, and the texts of cells without one.
    const std::optional<PastedBlock> back = ReadHtmlTable(block.html, {20, 20}, {U'.', U','});
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->fit, PastedBlock::Fit::Fits);
    EXPECT_EQ(back->rows,
              (std::vector<std::vector<std::string>>{{FullValueText(third), "<a & \"b\">"}, {"1000.246913578", ""}}));
}
