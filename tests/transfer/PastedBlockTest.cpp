// Blocks read from the clipboard's tab-separated text and HTML, within the room left at the current cell.
#include "transfer/PastedBlock.h"
#include "transfer/HtmlTable.h"
#include "transfer/PasteReader.h"
#include "transfer/PastedField.h"

#include <gtest/gtest.h>

namespace {

const NumberSeparators Point{U'.', U','};
const NumberSeparators Comma{U',', U'.'};
const BlockRoom Whole{20, 20};

// "a|b/c" for rows {a, b} and {c}; "too large" and "empty" for those outcomes.
std::string shown(const PastedBlock& block)
{
    if (block.fit == PastedBlock::Fit::TooLarge)
        return block.rows.empty() ? "too large" : "too large, with rows";
    if (block.fit == PastedBlock::Fit::Empty)
        return "empty";
    std::string out;
    for (const std::vector<std::string>& row : block.rows) {
        if (&row != &block.rows.front())
            out += '/';
        for (std::size_t i = 0; i < row.size(); ++i)
            out += (i ? "|" : "") + row[i];
    }
    return out;
}

std::string repeated(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

std::string htmlRows(const std::string& row, int times)
{
    return "<table>" + repeated("<tr>" + row + "</tr>", times) + "</table>";
}

} // namespace

TEST(PastedField, DropsBlanksAndGroupsAndReadsPercentagesByMovingTheSeparator)
{
    struct Case
    {
        const NumberSeparators& separators;
        const char* pasted;
        const char* stored;
    };
    const Case cases[] = {
        {Point, " \t a b\u00A0", "a b"},
        {Point, "1,234.5", "1234.5"},
        {Point, "12.5%", "0.125"},
        {Point, "50%", "0.5"},
        {Point, "100%", "1"},
        {Point, "0.5%", "0.005"},
        {Point, "-3%", "-0.03"},
        {Point, "1,234.5%", "12.345"},
        {Point, "123456789012345678901234567890%", "1234567890123456789012345678.9"},
        {Point, " 7 % ", "0.07"},
        {Comma, "1.234,5%", "12,345"},
        {Comma, "12,5\u202F%", "0,125"},
        {Point, "%", "%"},
        {Point, "1e3%", "1e3%"},
        {Point, "x%", "x%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PastedFieldText(c.pasted, c.separators), c.stored) << c.pasted;
}

TEST(PastedBlock, TabSeparatedLinesFitTheRoomOrAreRefusedWhereTheyStopFitting)
{
    struct Case
    {
        std::string pasted;
        BlockRoom room;
        std::string read;
    };
    const std::string twentyOne = repeated("7\t", 20) + "7";
    const Case cases[] = {
        {"1\t2\r\n3\n", Whole, "1|2/3"},
        {"1\r2\r\r", Whole, "1/2/"},
        {"", Whole, "empty"},
        {"\n", Whole, ""},
        {"1\t\n2\t3\t\n", Whole, "1/2|3"}, // a tab ending every line adds no column
        {"1\t\n2\t3\n", Whole, "1|/2|3"},  // but not when one line lacks it
        {"\t\n\t\n", Whole, "/"},          // a tab alone on every line
        {" 1,234.5\t25%\n", Whole, "1234.5|0.25"},
        {repeated("7\n", 20), Whole, repeated("7/", 19) + "7"},
        {repeated("7\n", 21), Whole, "too large"},  // overflow at the last line
        {repeated("7\n", 2), {1, 20}, "too large"}, // at the first line of a lower cell
        {twentyOne + "\n", Whole, "too large"},     // in width, on the first line
        {"7\n" + twentyOne, Whole, "too large"},    // in width, on the last line
        {twentyOne + "\t\n" + twentyOne + "\t", Whole, "too large"},
        {repeated("7\t", 20) + "\n7\t", Whole, "7" + repeated("|7", 19) + "/7"}, // the closing tab is no 21st column
        {repeated("7\t", 20) + "\n7", Whole, "too large"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shown(ReadTabSeparatedBlock(c.pasted, c.room, Point)), c.read) << c.pasted;
}

TEST(PastedBlock, HtmlTablesGiveFullValuesWhereTheyCarryThem)
{
    struct Case
    {
        std::string html;
        const NumberSeparators& separators;
        std::string read;
    };
    const Case cases[] = {
        {"<table><tr><td sdval=\"3.14159265\" sdnum=\"1033;0;0.00\">3.14</td><td>x &amp; y</td></tr></table>", Point,
         "3.14159265|x & y"},
        {"<table><tr><td sdval=\"3.14159265\" sdnum=\"1033;0;0.00\">3,14</td></tr></table>", Comma, "3,14159265"},
        {"<table><tr><td x:num=\"0.125\">12.5%</td><td x:num>1,234.5</td><td x:num=\"-1.5E-20\">0</td></tr></table>",
         Point, "0.125|1234.5|-1.5E-20"},
        {"<table><tr><td sdval=\"abc\"> 50% </td><th>1,5</th></tr></table>", Point, "0.5|1,5"},
        {"<html><body><p>before</p><table><tr><td>1<td>2<tr><td>3</table><table><tr><td>9</table>", Point, "1|2/3"},
        {"<table><tr><td>a<table><tr><td>b</td><td>c</td></tr></table></td><td>d</td></tr></table>", Point, "abc|d"},
        {"<table><td>1</td><td colspan=\"99999999\">2</td><script>x</script>", Point, "1|2"},
        {"<table><tr><td>1</td><td>2", Point, "1|2"},
        {htmlRows("<td>7</td>", 20), Point, repeated("7/", 19) + "7"},
        {htmlRows("<td>7</td>", 21), Point, "too large"},
        {htmlRows(repeated("<td>7</td>", 21), 1), Point, "too large"},
        {"<table><tr>" + repeated("<td>7", 20) + repeated("<tr><td>7", 100000), Point, "too large"},
    };
    for (const Case& c : cases) {
        const std::optional<PastedBlock> block = ReadHtmlTable(c.html, Whole, c.separators);
        ASSERT_TRUE(block.has_value()) << c.html.substr(0, 100);
        EXPECT_EQ(shown(*block), c.read) << c.html.substr(0, 100);
    }
}

TEST(PastedBlock, WithoutATableOrWithBrokenMarkupThePasteFallsBackToTheText)
{
    for (const std::string& html :
         std::vector<std::string>{"<p>no table</p>", "<table></table>", "<table><tr></tr></table>", "<<<td>>></",
                                  std::string("\0\xff<t", 5)})
        EXPECT_EQ(shown(ReadPastedBlock("1\t2", html, Whole, Point)), "1|2") << html;
    EXPECT_EQ(shown(ReadPastedBlock("1\t2", "<table><tr><td>3</td></tr></table>", Whole, Point)), "3");
    // Deep nesting and unclosed elements end without a crash or a hang.
    EXPECT_EQ(shown(ReadPastedBlock("t", "<table><tr><td>" + repeated("<div><b>", 100000) + "x", Whole, Point)), "x");
}
