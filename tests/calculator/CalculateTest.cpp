#include "tests/calculator/CalculatorFixture.h"

#include "arithmetic/NumberText.h"
#include "platform/widgets/Button.h"
#include "tests/support/MessageBoxRecorder.h"

struct ProductCase
{
    const char* name;
    CalculatorFixture::Rows a;
    CalculatorFixture::Rows b;
    QStringList r;
};

class Calculate : public CalculatorFixture
{
};

TEST_F(Calculate, FillsTheResultAndEnablesCopy)
{
    MessageBoxRecorder boxes;
    const ProductCase cases[] = {
        {"one by one", {{"2"}}, {{"3"}}, {QStringLiteral("6")}},
        {"two by three",
         {{"1", "2", "3"}, {"4", "5", "6"}},
         {{"7", "8"}, {"9", "10"}, {"11", "12"}},
         {QStringLiteral("58 64"), QStringLiteral("139 154")}},
        {"tenths", {{"0.1"}}, {{"0.2"}}, {QStringLiteral("0.02")}},
        {"tenths summed", {{"0.1", "0.2"}}, {{"3"}, {"3"}}, {QStringLiteral("0.9")}},
        {"a third", {{"0.3333333333"}}, {{"3"}}, {QStringLiteral("1")}},
        {"eighteen digits", {{"123456789"}}, {{"987654321"}}, {QStringLiteral("121,932,631,112,635,269")}},
        {"scientific", {{"1e9", "1e9"}}, {{"1e9"}, {"1e9"}}, {QStringLiteral("2E18")}},
        {"half a millionth", {{"0.001"}}, {{"0.0005"}}, {QStringLiteral("0.000001")}},
        {"below half a millionth", {{"0.001"}}, {{"0.0004"}}, {QStringLiteral("0")}},
        {"separator alone and blanks", {{".", " 2 "}}, {{"5"}, {"4"}}, {QStringLiteral("8")}},
        {"underflow", {{"1e-3000"}}, {{"1e-3000"}}, {QStringLiteral("0")}},
        {"terms in order cancel", {{"1e20", "1", "-1e20"}}, {{"1"}, {"1"}, {"1"}}, {QStringLiteral("0")}},
        {"terms in order keep one", {{"1e20", "-1e20", "1"}}, {{"1"}, {"1"}, {"1"}}, {QStringLiteral("1")}},
    };
    for (const ProductCase& c : cases) {
        enter(c.a, c.b);
        calculate();
        EXPECT_EQ(resultRows(), c.r) << c.name;
    }
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_TRUE(part<Button>("btnCopy")->isEnabled());
}

TEST_F(Calculate, ANonNumericCellGivesOneMessageAndChangesNothing)
{
    MessageBoxRecorder boxes;
    enter({{"1", ""}, {"two", "three"}}, {{"1"}, {"x y"}});
    calculate();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("All Matrix A and Matrix B values must be Numeric!"));
    EXPECT_EQ(boxes.boxes()[0].icon, MessageIcon::Error);
    EXPECT_EQ(resultRows(), (QStringList{QString(), QString()}));
    EXPECT_FALSE(part<Button>("btnCopy")->isEnabled());

    // After a success, a failed validation keeps the results, out of date since B changed.
    enter({{"2"}}, {{"3"}});
    calculate();
    part<StringGrid>("grdMatrixB")->setCell(0, 0, QStringLiteral("1,000"));
    calculate();
    EXPECT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(resultRows(), QStringList{QStringLiteral("6")});
    EXPECT_FALSE(part<Button>("btnCopy")->isEnabled());
}

TEST_F(Calculate, TextsOutsideTheCountsAreNeitherCheckedNorUsed)
{
    MessageBoxRecorder boxes;
    enter({{"2", "junk"}}, {{"3"}, {"junk"}});
    setDimensions(1, 1, 1);
    calculate();
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(resultRows(), QStringList{QStringLiteral("6")});
}

TEST_F(Calculate, AnOverflowIsReportedAndLeavesTheWholeResultAsItWas)
{
    MessageBoxRecorder boxes;
    enter({{"1"}, {"2"}}, {{"1", "2"}});
    calculate();
    const QStringList before = resultRows();
    ASSERT_EQ(before, (QStringList{QStringLiteral("1 2"), QStringLiteral("2 4")}));

    struct OverflowCase
    {
        const char* name;
        Rows a;
        Rows b;
    };
    const OverflowCase cases[] = {
        {"product", {{"1e3000"}, {"1"}}, {{"1e3000", "1"}}},
        // The first three cells fit; only the last one overflows, and still none is written.
        {"last cell", {{"1"}, {"1e3000"}}, {{"1", "1e3000"}}},
        {"sum", {{"1e4932", "1e4932"}, {"1", "1"}}, {{"1", "1"}, {"1", "1"}}},
    };
    for (const OverflowCase& c : cases) {
        enter(c.a, c.b);
        calculate();
        EXPECT_EQ(resultRows(), before) << c.name;
    }
    ASSERT_EQ(boxes.boxes().size(), 3u);
    for (const MessageBoxRequest& box : boxes.boxes()) {
        EXPECT_EQ(box.caption, QStringLiteral("Quorlin"));
        EXPECT_EQ(box.text, QStringLiteral("Floating point overflow."));
    }
}

TEST_F(Calculate, AnOverflowBeforeAnySuccessLeavesCopyDisabled)
{
    MessageBoxRecorder boxes;
    enter({{"1e3000"}}, {{"1e3000"}});
    calculate();
    EXPECT_EQ(boxes.boxes().size(), 1u);
    EXPECT_FALSE(part<Button>("btnCopy")->isEnabled());
    EXPECT_EQ(resultRows(), QStringList{QString()});
}

TEST_F(Calculate, ReadsAndWritesNumbersWithTheCurrentSeparators)
{
    const NumberSeparators saved = CurrentNumberSeparators();
    SetNumberSeparators({U',', U'.'});
    enter({{"1,5", "1000"}}, {{"0,5"}, {"1234,5"}});
    calculate();
    EXPECT_EQ(resultRows(), QStringList{QStringLiteral("1.234.500,75")});

    // Results already shown keep the separators they were written with.
    SetNumberSeparators(saved);
    EXPECT_EQ(resultRows(), QStringList{QStringLiteral("1.234.500,75")});
}
