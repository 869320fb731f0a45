#include "tests/calculator/CalculatorFixture.h"

#include "tests/support/FakeClipboard.h"
#include "tests/support/MessageBoxRecorder.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>

#include <string>

class Dimensions : public CalculatorFixture
{
protected:
    void SetUp() override
    {
        CalculatorFixture::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Gives the editor the focus with its whole text selected, as Tab does.
    static QLineEdit* focus(SpinEdit* editor)
    {
        editor->setFocus(Qt::TabFocusReason);
        editor->lineEdit()->selectAll();
        return editor->lineEdit();
    }

    static void type(SpinEdit* editor, const char* keys)
    {
        QTest::keyClicks(editor->lineEdit(), QString::fromLatin1(keys));
    }

    static void tab(SpinEdit* editor) { QTest::keyClick(editor->lineEdit(), Qt::Key_Tab); }

    QString counts() const
    {
        return QStringLiteral("%1 %2 %3 | A %4x%5 B %6x%7 R %8x%9")
            .arg(part<QLineEdit>("edtBRow")->text(), part<QLineEdit>("edtRRows")->text(),
                 part<QLineEdit>("edtRCols")->text())
            .arg(part<StringGrid>("grdMatrixA")->rowCount())
            .arg(part<StringGrid>("grdMatrixA")->colCount())
            .arg(part<StringGrid>("grdMatrixB")->rowCount())
            .arg(part<StringGrid>("grdMatrixB")->colCount())
            .arg(part<StringGrid>("grdMatrixR")->rowCount())
            .arg(part<StringGrid>("grdMatrixR")->colCount());
    }
};

TEST_F(Dimensions, TheGridsFollowATypedNumberAtOnceAndTheRangeWhenTheEditorIsLeft)
{
    focus(part<SpinEdit>("edtACol"));
    type(part<SpinEdit>("edtACol"), "3");
    EXPECT_EQ(counts(), QStringLiteral("3 1 1 | A 1x3 B 3x1 R 1x1"));

    focus(part<SpinEdit>("edtBCol"));
    type(part<SpinEdit>("edtBCol"), "25");
    EXPECT_EQ(counts(), QStringLiteral("3 1 25 | A 1x3 B 3x25 R 1x25"));
    tab(part<SpinEdit>("edtBCol"));
    EXPECT_EQ(part<SpinEdit>("edtBCol")->text(), QStringLiteral("20"));
    EXPECT_EQ(counts(), QStringLiteral("3 1 20 | A 1x3 B 3x20 R 1x20"));
}

TEST_F(Dimensions, AnEmptyEditorReadsAsOneAndIsWrittenAsOneWhenLeft)
{
    setDimensions(4, 1, 1);
    focus(part<SpinEdit>("edtARow"));
    QTest::keyClick(part<SpinEdit>("edtARow")->lineEdit(), Qt::Key_Delete);
    EXPECT_EQ(part<SpinEdit>("edtARow")->text(), QString());
    EXPECT_EQ(counts(), QStringLiteral("1 1 1 | A 1x1 B 1x1 R 1x1"));
    tab(part<SpinEdit>("edtARow"));
    EXPECT_EQ(part<SpinEdit>("edtARow")->text(), QStringLiteral("1"));
}

TEST_F(Dimensions, ATextThatIsNoIntegerKeepsTheValueAndTheFocus)
{
    setDimensions(3, 2, 1);
    focus(part<SpinEdit>("edtARow"));
    type(part<SpinEdit>("edtARow"), "-");
    EXPECT_EQ(counts(), QStringLiteral("2 3 1 | A 3x2 B 2x1 R 3x1"));
    tab(part<SpinEdit>("edtARow"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return part<SpinEdit>("edtARow")->lineEdit()->hasFocus(); }, 1000));
    EXPECT_EQ(part<SpinEdit>("edtARow")->text(), QStringLiteral("-"));
    EXPECT_EQ(counts(), QStringLiteral("2 3 1 | A 3x2 B 2x1 R 3x1"));
}

TEST_F(Dimensions, ZeroAndNegativeCountsShowInTheDisplaysWhileTheGridsKeepOne)
{
    focus(part<SpinEdit>("edtARow"));
    type(part<SpinEdit>("edtARow"), "0");
    EXPECT_EQ(counts(), QStringLiteral("1 0 1 | A 1x1 B 1x1 R 1x1"));
    tab(part<SpinEdit>("edtARow"));
    EXPECT_EQ(part<SpinEdit>("edtARow")->text(), QStringLiteral("1"));
    EXPECT_EQ(counts(), QStringLiteral("1 1 1 | A 1x1 B 1x1 R 1x1"));
}

TEST_F(Dimensions, PastingANumberBeyondThirtyTwoBitsReportsARangeErrorUntilTheEditorIsLeft)
{
    MessageBoxRecorder boxes;
    setDimensions(2, 3, 4);
    for (SpinEdit* editor : {part<SpinEdit>("edtARow"), part<SpinEdit>("edtACol"), part<SpinEdit>("edtBCol")}) {
        const QString before = counts();
        focus(editor);
        QApplication::clipboard()->setText(QStringLiteral("2147483648"));
        QTest::keyClick(editor->lineEdit(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(editor->text(), QStringLiteral("2147483648"));
        EXPECT_EQ(counts(), before) << editor->objectName().toStdString();
        tab(editor);
        EXPECT_EQ(editor->text(), QStringLiteral("20"));
    }
    ASSERT_GE(boxes.boxes().size(), 3u);
    for (const MessageBoxRequest& box : boxes.boxes())
        EXPECT_EQ(box.text, QStringLiteral("Range check error."));
    EXPECT_EQ(counts(), QStringLiteral("20 20 20 | A 20x20 B 20x20 R 20x20"));
}

TEST_F(Dimensions, TypingTheLargestCountStaysResponsive)
{
    focus(part<SpinEdit>("edtARow"));
    type(part<SpinEdit>("edtARow"), "2147483647");
    EXPECT_EQ(part<StringGrid>("grdMatrixA")->rowCount(), 2147483647);
    EXPECT_EQ(part<QLineEdit>("edtRRows")->text(), QStringLiteral("2147483647"));
    part<StringGrid>("grdMatrixA")->repaint();
    tab(part<SpinEdit>("edtARow"));
    EXPECT_EQ(part<StringGrid>("grdMatrixA")->rowCount(), 20);
}

// A screen reader's press clicks without moving the focus: the count typed into the focused editor is
// confirmed first, as leaving the editor would, so no grid of a typed count is ever computed or copied.
TEST_F(Dimensions, PressesThatMoveNoFocusActOnConfirmedCounts)
{
    MessageBoxRecorder boxes;
    FakeClipboard clipboard;
    for (int row = 0; row < 20; ++row)
        part<StringGrid>("grdMatrixA")->setCell(0, row, QStringLiteral("2"));
    part<StringGrid>("grdMatrixB")->setCell(0, 0, QStringLiteral("3"));
    const auto press = [](Button* button) {
        QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    };
    SpinEdit* rows = part<SpinEdit>("edtARow");
    const auto typeAndPress = [&](const char* count, Button* button) {
        focus(rows);
        type(rows, count);
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        press(button);
        EXPECT_TRUE(clicked.wait(1000)) << count;
        EXPECT_EQ(rows->text(), QStringLiteral("20")) << count;
        EXPECT_EQ(counts(), QStringLiteral("1 20 1 | A 20x1 B 1x1 R 20x1")) << count;
        EXPECT_TRUE(rows->lineEdit()->hasFocus());
    };
    for (const char* count : {"20000000", "2147483647"}) {
        part<StringGrid>("grdMatrixR")->setCell(0, 19, QString());
        typeAndPress(count, part<Button>("btnCalculate"));
        EXPECT_EQ(part<StringGrid>("grdMatrixR")->cell(0, 19), QStringLiteral("6"));
        // A typed count leaves the result out of date: Copy exports nothing until the next Calculate.
        clipboard.content.text.reset();
        focus(rows);
        type(rows, count);
        press(part<Button>("btnCopy"));
        QApplication::processEvents();
        EXPECT_EQ(clipboard.content.text, std::nullopt) << count;
    }
    EXPECT_TRUE(boxes.boxes().empty());

    // A text that is no integer keeps the focus, and the press does nothing more.
    focus(rows);
    type(rows, "-");
    part<StringGrid>("grdMatrixR")->setCell(0, 0, QStringLiteral("old"));
    QSignalSpy clicked(part<Button>("btnCalculate"), &QAbstractButton::clicked);
    press(part<Button>("btnCalculate"));
    EXPECT_TRUE(clicked.wait(1000));
    EXPECT_EQ(rows->text(), QStringLiteral("-"));
    EXPECT_EQ(part<StringGrid>("grdMatrixR")->cell(0, 0), QStringLiteral("old"));
    EXPECT_TRUE(rows->lineEdit()->hasFocus());
    EXPECT_TRUE(boxes.boxes().empty());
}

// A click moves the focus to the button before the button acts; the editor's text decides, not where
// the focus is: its return to a text that cannot be left is still queued when the click comes.
TEST_F(Dimensions, APressRacingTheFocusBackToATextThatIsNoIntegerDoesNothing)
{
    MessageBoxRecorder boxes;
    FakeClipboard clipboard;
    enter({{"2"}}, {{"3"}});
    calculate();
    SpinEdit* rows = part<SpinEdit>("edtARow");
    StringGrid* r = part<StringGrid>("grdMatrixR");
    for (const char* typed : {"-", "+", "1e"}) {
        for (const char* name : {"btnCalculate", "btnCopy"}) {
            r->setCell(0, 0, QStringLiteral("old"));
            clipboard.content.text.reset();
            focus(rows);
            type(rows, typed);
            Button* button = part<Button>(name);
            ASSERT_TRUE(button->isEnabled()) << name;
            button->setFocus(Qt::MouseFocusReason);
            ASSERT_TRUE(button->hasFocus());
            button->click();
            EXPECT_EQ(r->cell(0, 0), QStringLiteral("old")) << typed << name;
            EXPECT_FALSE(clipboard.content.text.has_value()) << typed << name;
            EXPECT_TRUE(QTest::qWaitFor([&] { return rows->lineEdit()->hasFocus(); }, 1000)) << typed << name;
            EXPECT_EQ(rows->text(), QString::fromLatin1(typed));
            focus(rows);
            type(rows, "1");
        }
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(Dimensions, ShrinkingAndGrowingBringsEarlierEntriesBack)
{
    setDimensions(3, 3, 1);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            part<StringGrid>("grdMatrixA")->setCell(col, row, QString::number(row * 3 + col));
    }
    setDimensions(2, 2, 1);
    setDimensions(3, 3, 1);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(part<StringGrid>("grdMatrixA")->cell(col, row), QString::number(row * 3 + col));
    }
}

TEST_F(Dimensions, SpinKeysResizeAtOnceAndStopAtTheRange)
{
    focus(part<SpinEdit>("edtACol"));
    QTest::keyClick(part<SpinEdit>("edtACol")->lineEdit(), Qt::Key_PageUp);
    EXPECT_EQ(counts(), QStringLiteral("11 1 1 | A 1x11 B 11x1 R 1x1"));
    QTest::keyClick(part<SpinEdit>("edtACol")->lineEdit(), Qt::Key_PageUp);
    QTest::keyClick(part<SpinEdit>("edtACol")->lineEdit(), Qt::Key_Up);
    EXPECT_EQ(part<SpinEdit>("edtACol")->text(), QStringLiteral("20"));
    EXPECT_EQ(counts(), QStringLiteral("20 1 1 | A 1x20 B 20x1 R 1x1"));
}
