#include "arithmetic/ExportText.h"

#include <gtest/gtest.h>

TEST(ExportText, JoinsFieldsWithCommasAndEndsEveryLineWithCrLf)
{
    EXPECT_EQ(ExportText({{"6"}}), "6\r\n");
    EXPECT_EQ(ExportText({{"1", "2.5", "-3"}, {"7", "0", "7"}}), "1,2.5,-3\r\n7,0,7\r\n");
}

TEST(ExportText, EmptyCellsAreEmptyFields)
{
    EXPECT_EQ(ExportText({{"1", "", "3"}}), "1,,3\r\n");
    EXPECT_EQ(ExportText({{""}}), "\r\n");
    EXPECT_EQ(ExportText({{"", "", ""}}), ",,\r\n");
}

TEST(ExportText, FieldsThatWouldSplitOrBreakALineAreQuoted)
{
    EXPECT_EQ(ExportText({{"1,234", "6"}}), "\"1,234\",6\r\n");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("a\rb"), "\"a\rb\"");
    EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
    EXPECT_EQ(CsvField("1.234,5"), "\"1.234,5\"");
    // A separator that is not a comma needs no quotes, nor does any other character.
    EXPECT_EQ(CsvField("1\u202f234.5"), "1\u202f234.5");
    EXPECT_EQ(CsvField(" -1E20 "), " -1E20 ");
}
