#include "tests/platform/grid/StringGridTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include <limits>
#include <vector>

namespace {

constexpr int MaxCount = std::numeric_limits<int>::max();

class StringGridTest : public StringGridFixture
{
};

TEST_F(StringGridTest, ANewGridIsOneByOneWithItsOnlyCellCurrentAndEmpty)
{
    StringGrid grid;
    EXPECT_EQ(grid.colCount(), 1);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.col(), 0);
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(grid.cell(0, 0), QString());
    grid.setRowCount(0);
    grid.setColCount(-5);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.colCount(), 1);
}

TEST_F(StringGridTest, TextsOutsideTheCountsComeBackWhenTheGridGrowsAgain)
{
    resize(3, 3);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            m_grid->setCurrentCell(col, row);
            type(QString::number(row * 3 + col + 1));
            press(Qt::Key_Return);
        }
    }
    resize(2, 2);
    EXPECT_EQ(m_grid->col(), 1);
    EXPECT_EQ(m_grid->row(), 1);
    resize(3, 3);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(m_grid->cell(col, row), QString::number(row * 3 + col + 1)) << col << "," << row;
    EXPECT_EQ(m_grid->cell(3, 0), QString()); // never written
}

TEST_F(StringGridTest, ShrinkingPastTheCurrentCellClampsItAndClosesTheEditor)
{
    resize(3, 3);
    m_grid->setCurrentCell(2, 2);
    type(QStringLiteral("9"));
    ASSERT_TRUE(m_grid->editorOpen());
    resize(2, 2);
    EXPECT_FALSE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->col(), 1);
    EXPECT_EQ(m_grid->row(), 1);
    EXPECT_EQ(m_grid->cell(2, 2), QStringLiteral("9"));
    EXPECT_TRUE(m_grid->hasFocus());
}

TEST_F(StringGridTest, ResizingThatKeepsTheCurrentCellLeavesTheEditorOpen)
{
    resize(3, 3);
    type(QStringLiteral("4"));
    resize(3, 3); // unchanged counts
    resize(5, 7);
    EXPECT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->inplaceEditor()->text(), QStringLiteral("4"));
}

TEST_F(StringGridTest, TypingACharacterReplacesTheTextAndEscapeNeverUndoesIt)
{
    m_grid->setCell(0, 0, QStringLiteral("123"));
    type(QStringLiteral("7"));
    ASSERT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("7")); // stored at once, editor still open
    press(Qt::Key_Escape);
    EXPECT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->inplaceEditor()->text(), QStringLiteral("7"));
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("7"));
}

TEST_F(StringGridTest, OpeningKeysFollowTheirTable)
{
    struct Case
    {
        const char* name;
        int key;
        const char* typedAfter;
        const char* expected;
    };
    const Case cases[] = {
        {"Backspace empties", Qt::Key_Backspace, "", ""},
        {"Enter selects all", Qt::Key_Return, "5", "5"},
        {"F2 puts the caret at the end", Qt::Key_F2, "5", "1235"},
    };
    for (const Case& c : cases) {
        m_grid->setCell(0, 0, QStringLiteral("123"));
        press(c.key);
        ASSERT_TRUE(m_grid->editorOpen()) << c.name;
        type(QString::fromLatin1(c.typedAfter));
        EXPECT_EQ(m_grid->cell(0, 0), QString::fromLatin1(c.expected)) << c.name;
        press(Qt::Key_Return);
        EXPECT_FALSE(m_grid->editorOpen()) << c.name;
        EXPECT_EQ(m_grid->col(), 0) << c.name;
    }
}

TEST_F(StringGridTest, DeleteAndPasteOnAClosedEditorChangeNothing)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    m_grid->setCell(0, 0, QStringLiteral("123"));
    press(Qt::Key_Delete);
    press(Qt::Key_V, Qt::ControlModifier);
    press(Qt::Key_Insert, Qt::ShiftModifier);
    press(Qt::Key_Escape);
    EXPECT_FALSE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("123"));
}

TEST_F(StringGridTest, UpOnTheFirstRowKeepsTheEditorOpenAndDownClosesItAndMoves)
{
    resize(2, 3);
    type(QStringLiteral("1"));
    press(Qt::Key_Up);
    EXPECT_TRUE(m_grid->editorOpen());
    press(Qt::Key_PageUp);
    EXPECT_TRUE(m_grid->editorOpen());
    press(Qt::Key_Down);
    EXPECT_FALSE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->row(), 1);
    EXPECT_TRUE(m_grid->hasFocus());
    press(Qt::Key_F2);
    press(Qt::Key_PageDown);
    EXPECT_FALSE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->row(), 2);
    press(Qt::Key_F2);
    press(Qt::Key_Down);
    EXPECT_TRUE(m_grid->editorOpen()); // the last row
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("1"));
}

TEST_F(StringGridTest, CaretKeysAndClipboardKeysStayInsideTheEditor)
{
    resize(3, 3);
    m_grid->setCurrentCell(1, 1);
    m_grid->setCell(1, 1, QStringLiteral("abc"));
    press(Qt::Key_F2);
    press(Qt::Key_Home);
    press(Qt::Key_Left);
    press(Qt::Key_Left, Qt::ControlModifier);
    press(Qt::Key_Right, Qt::ShiftModifier); // selects "a"
    press(Qt::Key_X, Qt::ControlModifier);
    press(Qt::Key_End);
    press(Qt::Key_Right);
    press(Qt::Key_V, Qt::ControlModifier);
    press(Qt::Key_Insert); // alone: nothing
    EXPECT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->col(), 1);
    EXPECT_EQ(m_grid->row(), 1);
    EXPECT_EQ(m_grid->cell(1, 1), QStringLiteral("bca"));
}

// The grid asks for its menu at the current cell (or the pointer) and for an undo only while the editor
// is closed; an open editor keeps its own menu and its own undo.
TEST_F(StringGridTest, MenuAndUndoRequestsComeOnlyFromAClosedCell)
{
    resize(3, 3);
    m_grid->setCurrentCell(1, 2);
    std::vector<QPoint> menus;
    int undos = 0;
    QObject::connect(m_grid, &StringGrid::contextMenuRequested, m_grid, [&](const QPoint& at) { menus.push_back(at); });
    QObject::connect(m_grid, &StringGrid::undoRequested, m_grid, [&] { ++undos; });
    press(Qt::Key_Menu);
    press(Qt::Key_F10, Qt::ShiftModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    click(0, 0, Qt::RightButton);
    const QPoint atCell = m_grid->viewport()->mapToGlobal(m_grid->cellRect(1, 2).bottomLeft());
    EXPECT_EQ(menus, (std::vector<QPoint>{atCell, atCell, m_grid->viewport()->mapToGlobal(centreOf(0, 0))}));
    EXPECT_EQ(undos, 1);
    EXPECT_EQ(QPoint(m_grid->col(), m_grid->row()), QPoint(1, 2));

    press(Qt::Key_F2);
    press(Qt::Key_Menu);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(menus.size(), 3u);
    EXPECT_EQ(undos, 1);
}

TEST_F(StringGridTest, NavigationKeysFollowTheirTable)
{
    // 5 x 5 cells show whole, so a page is 4.
    struct Case
    {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        int startCol, startRow;
        int col, row, leftCol, topRow;
    };
    const Case cases[] = {
        {"Right", Qt::Key_Right, Qt::NoModifier, 3, 3, 4, 3, 0, 0},
        {"Right at the edge", Qt::Key_Right, Qt::NoModifier, 29, 3, 29, 3, 25, 0},
        {"Up at the edge", Qt::Key_Up, Qt::NoModifier, 3, 0, 3, 0, 0, 0},
        {"Shift adds nothing", Qt::Key_Down, Qt::ShiftModifier, 3, 4, 3, 5, 0, 1},
        {"Home", Qt::Key_Home, Qt::NoModifier, 3, 2, 0, 2, 0, 0},
        {"End", Qt::Key_End, Qt::NoModifier, 3, 2, 29, 2, 25, 0},
        {"Ctrl+End", Qt::Key_End, Qt::ControlModifier, 3, 2, 29, 29, 25, 25},
        {"Ctrl+Home", Qt::Key_Home, Qt::ControlModifier, 29, 29, 0, 0, 0, 0},
        {"Page Down", Qt::Key_PageDown, Qt::NoModifier, 1, 1, 1, 5, 0, 4},
        {"Page Down near the end", Qt::Key_PageDown, Qt::NoModifier, 1, 28, 1, 29, 0, 25},
        {"Page Up", Qt::Key_PageUp, Qt::NoModifier, 1, 10, 1, 6, 0, 2},
        {"Ctrl+Page Down", Qt::Key_PageDown, Qt::ControlModifier, 2, 1, 2, 4, 0, 0},
        {"Ctrl+Page Up", Qt::Key_PageUp, Qt::ControlModifier, 2, 10, 2, 6, 0, 6},
        {"Ctrl+Right", Qt::Key_Right, Qt::ControlModifier, 1, 1, 5, 1, 4, 0},
        {"Ctrl+Left", Qt::Key_Left, Qt::ControlModifier, 1, 1, 0, 1, 0, 0},
        {"Ctrl+Down scrolls only", Qt::Key_Down, Qt::ControlModifier, 2, 2, 2, 2, 0, 1},
    };
    resize(30, 30);
    for (const Case& c : cases) {
        m_grid->setCurrentCell(0, 0);
        m_grid->setCurrentCell(c.startCol, c.startRow);
        press(c.key, c.modifiers);
        EXPECT_EQ(m_grid->col(), c.col) << c.name;
        EXPECT_EQ(m_grid->row(), c.row) << c.name;
        EXPECT_EQ(m_grid->leftCol(), c.leftCol) << c.name;
        EXPECT_EQ(m_grid->topRow(), c.topRow) << c.name;
        EXPECT_FALSE(m_grid->editorOpen()) << c.name;
    }
}

TEST_F(StringGridTest, TheWheelMovesOneRowPerNotch)
{
    resize(3, 10);
    const QPoint at = centreOf(1, 1);
    auto turn = [&](int delta) {
        QWheelEvent wheel(at, m_grid->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_grid->viewport(), &wheel);
    };
    turn(-120);
    turn(-120);
    EXPECT_EQ(m_grid->row(), 2);
    turn(120);
    EXPECT_EQ(m_grid->row(), 1);
    turn(60);
    EXPECT_EQ(m_grid->row(), 1); // half a notch
    turn(60);
    EXPECT_EQ(m_grid->row(), 0);
}

TEST_F(StringGridTest, TabAndShiftTabLeaveTheGridAndCloseTheEditor)
{
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), m_after);
    m_grid->setFocus();
    type(QStringLiteral("8"));
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), m_after);
    EXPECT_FALSE(m_grid->editorOpen());
    m_grid->setFocus();
    type(QStringLiteral("9"));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), m_before);
    EXPECT_FALSE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("9"));
}

TEST_F(StringGridTest, AClickOnAnotherControlClosesTheEditor)
{
    type(QStringLiteral("6"));
    QTest::mouseClick(m_after, Qt::LeftButton);
    EXPECT_EQ(focused(), m_after);
    EXPECT_FALSE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("6"));
}

TEST_F(StringGridTest, AClickOnTheCurrentCellOpensTheEditorEvenWhenItGivesTheFocus)
{
    resize(3, 3);
    m_grid->setCell(1, 1, QStringLiteral("42"));
    m_before->setFocus();
    click(1, 1); // moves
    EXPECT_FALSE(m_grid->editorOpen());
    EXPECT_TRUE(m_grid->hasFocus());
    m_before->setFocus();
    click(1, 1); // QTest spaces clicks apart, so this is no double-click
    ASSERT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->inplaceEditor()->selectedText(), QStringLiteral("42"));
    EXPECT_EQ(m_grid->inplaceEditor()->geometry(), m_grid->cellRect(1, 1));
}

TEST_F(StringGridTest, AClickOnAnotherCellClosesTheEditorAndMovesThere)
{
    resize(3, 3);
    type(QStringLiteral("5"));
    click(2, 1);
    EXPECT_FALSE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->col(), 2);
    EXPECT_EQ(m_grid->row(), 1);
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("5"));
    EXPECT_TRUE(m_grid->hasFocus());
}

TEST_F(StringGridTest, ADoubleClickOnACellThatIsNotCurrentDoesNotOpenTheEditor)
{
    resize(3, 3);
    // The window system's sequence: press, release, press, double-click, release, close together.
    QWidget* viewport = m_grid->viewport();
    const QPoint at = centreOf(2, 2);
    auto send = [&](QEvent::Type type, Qt::MouseButtons buttons, ulong time) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        event.setTimestamp(time);
        QApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, 100000);
    send(QEvent::MouseButtonRelease, Qt::NoButton, 100050);
    send(QEvent::MouseButtonPress, Qt::LeftButton, 100120);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton, 100120);
    send(QEvent::MouseButtonRelease, Qt::NoButton, 100170);
    EXPECT_EQ(m_grid->col(), 2);
    EXPECT_EQ(m_grid->row(), 2);
    EXPECT_FALSE(m_grid->editorOpen());

    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, centreOf(1, 0)); // the event alone
    EXPECT_EQ(m_grid->col(), 1);
    EXPECT_EQ(m_grid->row(), 0);
    EXPECT_FALSE(m_grid->editorOpen());
}

TEST_F(StringGridTest, RightClicksAndClicksBeyondTheCellsMoveNothingAndKeepTheEditorOpen)
{
    resize(2, 2);
    m_grid->setCell(0, 0, QStringLiteral("abc"));
    press(Qt::Key_F2);
    click(1, 1, Qt::RightButton);
    EXPECT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->inplaceEditor()->selectedText(), QStringLiteral("abc"));
    press(Qt::Key_End);
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 10)); // beyond column 1
    EXPECT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->inplaceEditor()->selectedText(), QStringLiteral("abc"));
    EXPECT_EQ(m_grid->col(), 0);
    EXPECT_EQ(m_grid->row(), 0);
}

TEST_F(StringGridTest, ADisplayOnlyGridIgnoresEditingKeysAndTakesTheFocusOnlyFromAPress)
{
    m_grid->setEditable(false);
    m_grid->setFocusPolicy(Qt::ClickFocus);
    m_grid->setCell(0, 0, QStringLiteral("1"));
    for (int key : {int(Qt::Key_Return), int(Qt::Key_F2), int(Qt::Key_A), int(Qt::Key_Backspace)})
        press(key);
    EXPECT_FALSE(m_grid->editorOpen());
    EXPECT_EQ(m_grid->cell(0, 0), QStringLiteral("1"));

    m_before->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), m_after);
    click(0, 0, Qt::RightButton);
    EXPECT_TRUE(m_grid->hasFocus());
}

TEST_F(StringGridTest, ADisplayOnlyGridFollowsTheDraggedPointerAndStepsWhileItIsOutside)
{
    m_grid->setEditable(false);
    resize(30, 30);
    QWidget* viewport = m_grid->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, centreOf(1, 1));
    QTest::mouseMove(viewport, centreOf(3, 2));
    EXPECT_EQ(m_grid->col(), 3);
    EXPECT_EQ(m_grid->row(), 2);
    QTest::mouseMove(viewport, QPoint(ViewWidth + 30, centreOf(3, 2).y()));
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_grid->col() >= 8; }));
    EXPECT_EQ(m_grid->row(), 2);
    EXPECT_GT(m_grid->leftCol(), 0);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(ViewWidth + 30, 10));
}

TEST_F(StringGridTest, AnEditableGridIgnoresTheDraggedPointer)
{
    resize(5, 5);
    QWidget* viewport = m_grid->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, centreOf(1, 1));
    QTest::mouseMove(viewport, centreOf(3, 3));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, centreOf(3, 3));
    EXPECT_EQ(m_grid->col(), 1);
    EXPECT_EQ(m_grid->row(), 1);
}

TEST_F(StringGridTest, TheScrollBarsMoveTheViewWhenTheThumbIsReleased)
{
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    resize(3, 50);
    QScrollBar* bar = m_grid->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setSliderDown(true);
    bar->setSliderPosition(7);
    EXPECT_EQ(m_grid->topRow(), 0);
    bar->setSliderDown(false);
    EXPECT_EQ(m_grid->topRow(), 7);
    EXPECT_EQ(m_grid->row(), 0); // scrolling moves no cell
}

TEST_F(StringGridTest, AnEditableGridTakesTheFocusFromItsScrollBarADisplayOnlyGridDoesNot)
{
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    resize(3, 50);
    QScrollBar* bar = m_grid->verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->isVisible(); }));
    const QPoint below(bar->width() / 2, bar->height() - bar->width() - 4);

    m_before->setFocus();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, below);
    EXPECT_TRUE(m_grid->hasFocus());
    EXPECT_GT(m_grid->topRow(), 0);

    // Through the window, as the window system delivers it.
    m_grid->setEditable(false);
    m_grid->setFocusPolicy(Qt::ClickFocus);
    m_before->setFocus();
    const int top = m_grid->topRow();
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, Qt::NoModifier, bar->mapTo(m_window.get(), below));
    EXPECT_EQ(focused(), m_before);
    EXPECT_GT(m_grid->topRow(), top);
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_grid->focusPolicy() == Qt::ClickFocus; }));
    click(1, 1);
    EXPECT_TRUE(m_grid->hasFocus());
}

TEST_F(StringGridTest, HugeCountsStayUsable)
{
    resize(MaxCount, MaxCount);
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(m_grid->col(), MaxCount - 1);
    EXPECT_EQ(m_grid->row(), MaxCount - 1);
    EXPECT_EQ(m_grid->leftCol(), MaxCount - 5);
    EXPECT_EQ(m_grid->cellRect(MaxCount - 1, MaxCount - 1), QRect(4 * 41, 4 * 21, 40, 20));
    type(QStringLiteral("3"));
    press(Qt::Key_Down); // the last row: stays open
    press(Qt::Key_Right);
    EXPECT_TRUE(m_grid->editorOpen());
    press(Qt::Key_Return);
    EXPECT_EQ(m_grid->cell(MaxCount - 1, MaxCount - 1), QStringLiteral("3"));
    const QImage image = m_grid->viewport()->grab().toImage();
    EXPECT_FALSE(image.isNull());

    resize(3, 3);
    EXPECT_EQ(m_grid->col(), 2);
    EXPECT_EQ(m_grid->row(), 2);
    EXPECT_EQ(m_grid->leftCol(), 0);
    EXPECT_EQ(m_grid->topRow(), 0);
    resize(MaxCount, MaxCount);
    EXPECT_EQ(m_grid->cell(MaxCount - 1, MaxCount - 1), QStringLiteral("3"));
}

TEST_F(StringGridTest, AMegabytePasteIsStoredAndEditedWhole)
{
    const QString big(1 << 20, QLatin1Char('7'));
    QGuiApplication::clipboard()->setText(big);
    press(Qt::Key_F2);
    press(Qt::Key_V, Qt::ControlModifier);
    type(QStringLiteral("8"));
    EXPECT_EQ(m_grid->cell(0, 0).size(), big.size() + 1);
    press(Qt::Key_Return);
    m_grid->setCell(0, 0, m_grid->cell(0, 0));
    EXPECT_FALSE(m_grid->viewport()->grab().isNull());
    EXPECT_TRUE(m_grid->cell(0, 0).endsWith(QStringLiteral("78")));
}

} // namespace
