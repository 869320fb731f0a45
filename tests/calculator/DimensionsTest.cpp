#include "tests/calculator/CalculatorFixture.h"

#include "tests/support/MessageBoxRecorder.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

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
            .arg(window->edtBRow->text(), window->edtRRows->text(), window->edtRCols->text())
            .arg(window->grdMatrixA->rowCount())
            .arg(window->grdMatrixA->colCount())
            .arg(window->grdMatrixB->rowCount())
            .arg(window->grdMatrixB->colCount())
            .arg(window->grdMatrixR->rowCount())
            .arg(window->grdMatrixR->colCount());
    }
};

TEST_F(Dimensions, TheGridsFollowATypedNumberAtOnceAndTheRangeWhenTheEditorIsLeft)
{
    focus(window->edtACol);
    type(window->edtACol, "3");
    EXPECT_EQ(counts(), QStringLiteral("3 1 1 | A 1x3 B 3x1 R 1x1"));

    focus(window->edtBCol);
    type(window->edtBCol, "25");
    EXPECT_EQ(counts(), QStringLiteral("3 1 25 | A 1x3 B 3x25 R 1x25"));
    tab(window->edtBCol);
    EXPECT_EQ(window->edtBCol->text(), QStringLiteral("20"));
    EXPECT_EQ(counts(), QStringLiteral("3 1 20 | A 1x3 B 3x20 R 1x20"));
}

TEST_F(Dimensions, AnEmptyEditorReadsAsOneAndIsWrittenAsOneWhenLeft)
{
    setDimensions(4, 1, 1);
    focus(window->edtARow);
    QTest::keyClick(window->edtARow->lineEdit(), Qt::Key_Delete);
    EXPECT_EQ(window->edtARow->text(), QString());
    EXPECT_EQ(counts(), QStringLiteral("1 1 1 | A 1x1 B 1x1 R 1x1"));
    tab(window->edtARow);
    EXPECT_EQ(window->edtARow->text(), QStringLiteral("1"));
}

TEST_F(Dimensions, ATextThatIsNoIntegerKeepsTheValueAndTheFocus)
{
    setDimensions(3, 2, 1);
    focus(window->edtARow);
    type(window->edtARow, "-");
    EXPECT_EQ(counts(), QStringLiteral("2 3 1 | A 3x2 B 2x1 R 3x1"));
    tab(window->edtARow);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->edtARow->lineEdit()->hasFocus(); }, 1000));
    EXPECT_EQ(window->edtARow->text(), QStringLiteral("-"));
    EXPECT_EQ(counts(), QStringLiteral("2 3 1 | A 3x2 B 2x1 R 3x1"));
}

TEST_F(Dimensions, ZeroAndNegativeCountsShowInTheDisplaysWhileTheGridsKeepOne)
{
    focus(window->edtARow);
    type(window->edtARow, "0");
    EXPECT_EQ(counts(), QStringLiteral("1 0 1 | A 1x1 B 1x1 R 1x1"));
    tab(window->edtARow);
    EXPECT_EQ(window->edtARow->text(), QStringLiteral("1"));
    EXPECT_EQ(counts(), QStringLiteral("1 1 1 | A 1x1 B 1x1 R 1x1"));
}

TEST_F(Dimensions, PastingANumberBeyondThirtyTwoBitsReportsARangeErrorUntilTheEditorIsLeft)
{
    MessageBoxRecorder boxes;
    setDimensions(2, 3, 4);
    for (SpinEdit* editor : {window->edtARow, window->edtACol, window->edtBCol}) {
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
    focus(window->edtARow);
    type(window->edtARow, "2147483647");
    EXPECT_EQ(window->grdMatrixA->rowCount(), 2147483647);
    EXPECT_EQ(window->edtRRows->text(), QStringLiteral("2147483647"));
    window->grdMatrixA->repaint();
    tab(window->edtARow);
    EXPECT_EQ(window->grdMatrixA->rowCount(), 20);
}

TEST_F(Dimensions, ShrinkingAndGrowingBringsEarlierEntriesBack)
{
    setDimensions(3, 3, 1);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            window->grdMatrixA->setCell(col, row, QString::number(row * 3 + col));
    }
    setDimensions(2, 2, 1);
    setDimensions(3, 3, 1);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(window->grdMatrixA->cell(col, row), QString::number(row * 3 + col));
    }
}

TEST_F(Dimensions, SpinKeysResizeAtOnceAndStopAtTheRange)
{
    focus(window->edtACol);
    QTest::keyClick(window->edtACol->lineEdit(), Qt::Key_PageUp);
    EXPECT_EQ(counts(), QStringLiteral("11 1 1 | A 1x11 B 11x1 R 1x1"));
    QTest::keyClick(window->edtACol->lineEdit(), Qt::Key_PageUp);
    QTest::keyClick(window->edtACol->lineEdit(), Qt::Key_Up);
    EXPECT_EQ(window->edtACol->text(), QStringLiteral("20"));
    EXPECT_EQ(counts(), QStringLiteral("20 1 1 | A 1x20 B 20x1 R 1x1"));
}
