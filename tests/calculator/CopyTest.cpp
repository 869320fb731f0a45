#include "tests/calculator/CalculatorFixture.h"

#include "platform/widgets/Button.h"
#include "tests/support/FakeClipboard.h"
#include "tests/support/MessageBoxRecorder.h"

class Copy : public CalculatorFixture
{
protected:
    void copy() { QTest::mouseClick(part<Button>("btnCopy"), Qt::LeftButton); }
    FakeClipboard clipboard;
};

TEST_F(Copy, IsDisabledUntilACalculationSucceeds)
{
    EXPECT_FALSE(part<Button>("btnCopy")->isEnabled());
    copy();
    EXPECT_EQ(clipboard.content.text, "old");
}

TEST_F(Copy, PutsTheResultOnTheClipboardOneCrLfLinePerRow)
{
    enter({{"2"}}, {{"3"}});
    calculate();
    copy();
    EXPECT_EQ(clipboard.content.text, "6\r\n");

    enter({{"1", "2", "3"}, {"4", "5", "6"}}, {{"7", "8"}, {"9", "10"}, {"11", "12"}});
    calculate();
    copy();
    EXPECT_EQ(clipboard.content.text, "58,64\r\n139,154\r\n");
}

TEST_F(Copy, QuotesAResultThatHoldsAComma)
{
    enter({{"1"}}, {{"1234", "6"}});
    calculate();
    copy();
    EXPECT_EQ(clipboard.content.text, "\"1,234\",6\r\n");
}

TEST_F(Copy, AfterAResizeExportsNothingAndNoOlderResultShows)
{
    enter({{"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}}, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
    calculate();
    enter({{"2", "0"}, {"0", "2"}}, {{"1", "2"}, {"4", "5"}});
    calculate();
    setDimensions(3, 3, 3);
    EXPECT_EQ(resultRows(), (QStringList{QStringLiteral("2 4 "), QStringLiteral("8 10 "), QStringLiteral("  ")}));
    copy();
    EXPECT_EQ(clipboard.content.text, "old");
}

TEST_F(Copy, AHeldClipboardIsReportedAndKeepsItsContent)
{
    MessageBoxRecorder boxes;
    enter({{"2"}}, {{"3"}});
    calculate();
    clipboard.held = true;
    copy();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, QStringLiteral("Quorlin"));
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Cannot open clipboard."));
    EXPECT_EQ(clipboard.content.text, "old");
    EXPECT_TRUE(window->isVisible());
}
