// The grids' context menu through the window: Copy, Copy Matrix, Paste and Undo Paste.
#include "tests/calculator/CalculatorFixture.h"

#include "arithmetic/NumberText.h"
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FakeClipboard.h"
#include "tests/support/MessageBoxRecorder.h"

#include <QApplication>
#include <QDialog>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolTip>

#include <functional>

class GridMenuTest : public CalculatorFixture
{
protected:
    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        SetNumberSeparators({});
        CalculatorFixture::TearDown();
    }

    StringGrid* grid(const char* name) const { return part<StringGrid>(name); }

    QMenu* openMenu(StringGrid* on, int key = Qt::Key_Menu, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        on->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(on, Qt::Key(key), modifiers);
        QCoreApplication::processEvents(); // the clipboard's answer, which enables Paste
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    static QStringList items(const QMenu* menu)
    {
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (off)"));
        return texts;
    }

    // Opens the menu of the grid with its current cell at (col, row) and picks the item by its accelerator.
    void choose(StringGrid* on, int col, int row, Qt::Key accelerator)
    {
        on->setCurrentCell(col, row);
        QMenu* menu = openMenu(on);
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, accelerator);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    }

    QString counts() const
    {
        return QStringLiteral("A %1x%2 B %3x%4 R %5x%6")
            .arg(grid("grdMatrixA")->rowCount())
            .arg(grid("grdMatrixA")->colCount())
            .arg(part<QLineEdit>("edtBRow")->text())
            .arg(grid("grdMatrixB")->colCount())
            .arg(part<QLineEdit>("edtRRows")->text())
            .arg(part<QLineEdit>("edtRCols")->text());
    }

    static QString cells(const StringGrid* g)
    {
        QStringList rows;
        for (int row = 0; row < g->rowCount(); ++row) {
            QStringList fields;
            for (int col = 0; col < g->colCount(); ++col)
                fields << g->cell(col, row);
            rows << fields.join(u'|');
        }
        return rows.join(u'/');
    }

    FakeClipboard clipboard;
};

TEST_F(GridMenuTest, MenuKeyShiftF10AndTheRightButtonOpenItWithTheItemsOfEachGrid)
{
    StringGrid* a = grid("grdMatrixA");
    setDimensions(2, 2, 2);
    QMenu* menu = openMenu(a);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(items(menu), QStringList({QStringLiteral("&Copy"), QStringLiteral("Copy &Matrix"),
                                        QStringLiteral("&Paste"), QStringLiteral("&Undo Paste (off)")}));
    // Opened by the keyboard, it starts on its first item, which a screen reader then speaks.
    EXPECT_EQ(menu->activeAction(), menu->actions().constFirst());
    menu->close();

    clipboard.content.text.reset();
    menu = openMenu(grid("grdMatrixB"), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(items(menu), QStringList({QStringLiteral("&Copy"), QStringLiteral("Copy &Matrix"),
                                        QStringLiteral("&Paste (off)"), QStringLiteral("&Undo Paste (off)")}));
    EXPECT_EQ(menu->activeAction(), menu->actions().constFirst());
    menu->close();

    StringGrid* r = grid("grdMatrixR");
    QTest::mouseClick(r->viewport(), Qt::RightButton, Qt::NoModifier, r->cellRect(1, 1).center());
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    // Nothing calculated yet: nothing to copy or explain.
    EXPECT_EQ(items(menu), QStringList({QStringLiteral("&Copy (off)"), QStringLiteral("Copy &Matrix (off)"),
                                        QStringLiteral("&Show Calculation (off)")}));
    EXPECT_EQ(QPoint(r->col(), r->row()), QPoint(0, 0)); // the right button moves no cell
}

TEST_F(GridMenuTest, CopyTakesTheCellAndCopyMatrixTabSeparatedLines)
{
    enter({{"1", "2", "3"}, {"4", "5", "6"}}, {{"7", "8"}, {"9", "10"}, {"11", "12"}});
    calculate();
    choose(grid("grdMatrixR"), 0, 0, Qt::Key_M);
    EXPECT_EQ(clipboard.content.text, "58\t64\n139\t154\n");
    // Beside the text, one table whose numbers carry their values where spreadsheets read them.
    const std::string& html = clipboard.content.html;
    EXPECT_NE(html.find("<tr><td sdval=\"58\" sdnum=\"1033;0;General\" x:num=\"58\">58</td>"), std::string::npos);
    EXPECT_NE(html.find("x:num=\"154\">154</td></tr>"), std::string::npos) << html;
    choose(grid("grdMatrixA"), 2, 1, Qt::Key_C);
    EXPECT_EQ(clipboard.content.text, "6");
    grid("grdMatrixA")
        ->setCell(0, 0,
                  QString::fromUtf16(u"1\0"
                                     "2",
                                     3));
    choose(grid("grdMatrixA"), 0, 0, Qt::Key_C);
    EXPECT_EQ(clipboard.content.text, std::string("1\0"
                                                  "2",
                                                  3));

    // R's cells carry what Calculate computed, not what their six-decimal texts read back as.
    enter({{"2", "1"}}, {{"0.123456789"}, {"1000"}});
    calculate();
    choose(grid("grdMatrixR"), 0, 0, Qt::Key_M);
    EXPECT_EQ(clipboard.content.text, "1,000.246914\n");
    EXPECT_NE(clipboard.content.html.find("sdval=\"1000.246913578\""), std::string::npos) << clipboard.content.html;
}

TEST_F(GridMenuTest, ABlockGrowsTheCountsLandsAtTheCurrentCellAndUndoPutsEverythingBack)
{
    enter({{"1", "2"}, {"3", "4"}}, {{"5", "6"}, {"7", "8"}});
    const QString before = counts();
    const QString cellsBefore = cells(grid("grdMatrixA"));
    clipboard.content.text = "a\t b \t1,234.5\r\n\t2\n";
    choose(grid("grdMatrixA"), 1, 1, Qt::Key_P);
    EXPECT_EQ(counts(), QStringLiteral("A 3x4 B 4x2 R 3x2"));
    EXPECT_EQ(cells(grid("grdMatrixA")), QStringLiteral("1|2||/3|a|b|1234.5/||2|"));

    choose(grid("grdMatrixA"), 0, 0, Qt::Key_U);
    EXPECT_EQ(counts(), before);
    EXPECT_EQ(cells(grid("grdMatrixA")), cellsBefore);

    // Ctrl+Z on a closed cell undoes too, until the grid is edited.
    choose(grid("grdMatrixA"), 1, 1, Qt::Key_P);
    QTest::keyClick(grid("grdMatrixA"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(counts(), before);
    EXPECT_EQ(cells(grid("grdMatrixA")), cellsBefore);

    choose(grid("grdMatrixA"), 1, 1, Qt::Key_P);
    QTest::keyClicks(grid("grdMatrixA"), QStringLiteral("9"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(grid("grdMatrixA"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(counts(), QStringLiteral("A 3x4 B 4x2 R 3x2"));
    QMenu* menu = openMenu(grid("grdMatrixA"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(items(menu).last(), QStringLiteral("&Undo Paste (off)"));
}

TEST_F(GridMenuTest, NumbersPasteUngroupedOrAsTheFullValuesOfASpreadsheetsTable)
{
    struct Case
    {
        NumberSeparators separators;
        const char* pasted;
        const char* html;
        const char* stored;
    };
    const char* table =
        "<table><tr><td sdval=\"3.14159265\" sdnum=\"1033;0;0.00\">3,14</td><td>12,5%</td></tr></table>";
    for (const Case& c : {Case{{U'.', U','}, "1,234.5\t-12,345", "", "1234.5|-12345"},
                          Case{{U',', U'.'}, "1.234,5\t1,234.5", "", "1234,5|1,234.5"},
                          Case{{U',', U'.'}, "3,14\t12,5%", table, "3,14159265|0,125"}}) {
        SetNumberSeparators(c.separators);
        setDimensions(1, 1, 1);
        clipboard.content = {c.pasted, c.html};
        choose(grid("grdMatrixB"), 0, 0, Qt::Key_P);
        EXPECT_EQ(cells(grid("grdMatrixB")), QString::fromUtf8(c.stored)) << c.pasted;
    }
}

TEST_F(GridMenuTest, ABlockBeyondTwentyChangesNothingAndSaysWhy)
{
    MessageBoxRecorder boxes;
    enter({{"1"}}, {{"2"}});
    const QString before = counts();
    std::string tall;
    for (int i = 0; i < 21; ++i)
        tall += "7\n";
    clipboard.content.text = tall;
    choose(grid("grdMatrixA"), 0, 0, Qt::Key_P);
    EXPECT_EQ(counts(), before);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, QStringLiteral("Paste"));
    EXPECT_EQ(boxes.boxes()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("The pasted cells do not fit: a matrix has at most 20 rows and 20 columns."));
    EXPECT_EQ(grid("grdMatrixA")->cell(0, 0), QStringLiteral("1"));

    // Twenty fields from the first column fit; the same from the second would make 21 columns.
    clipboard.content.text = std::string(19, '\t') + "7";
    choose(grid("grdMatrixB"), 0, 0, Qt::Key_P);
    EXPECT_EQ(counts(), QStringLiteral("A 1x1 B 1x20 R 1x20"));
    choose(grid("grdMatrixB"), 1, 0, Qt::Key_P);
    EXPECT_EQ(counts(), QStringLiteral("A 1x1 B 1x20 R 1x20"));
    EXPECT_EQ(boxes.boxes().size(), 2u);
}

// The menu opens at once whatever the clipboard's owner does; one that never answers leaves Paste off. A
// screen reader can press an item after its menu has closed, or anything while a modal box is open: such
// presses do nothing.
TEST_F(GridMenuTest, ANeverAnsweringOwnerLeavesPasteOffAndPressesOutOfTurnDoNothing)
{
    enter({{"1"}}, {{"2"}});
    StringGrid* a = grid("grdMatrixA");
    clipboard.silent = true;
    QMenu* menu = openMenu(a);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(items(menu)[2], QStringLiteral("&Paste (off)"));
    menu->close();

    clipboard.silent = false;
    clipboard.content.text = "9";
    for (const bool closed : {true, false}) {
        QDialog box(window.get());
        box.setModal(true);
        if (!closed)
            box.show();
        menu = openMenu(a); // a screen reader can open it under the box
        ASSERT_NE(menu, nullptr);
        ASSERT_TRUE(menu->actions().at(2)->isEnabled());
        if (closed)
            QTest::keyClick(menu, Qt::Key_Escape);
        ASSERT_EQ(menu->isVisible(), !closed);
        for (QAction* action : menu->actions())
            action->trigger();
        part<Button>("btnCalculate")->click();
        EXPECT_EQ(a->cell(0, 0), QStringLiteral("1")) << closed;
        EXPECT_EQ(clipboard.content.text, "9") << closed;
        EXPECT_EQ(grid("grdMatrixR")->cell(0, 0), closed ? QStringLiteral("2") : QString());
        grid("grdMatrixR")->setCell(0, 0, QString());
    }
}

TEST_F(GridMenuTest, CopiesPastesAndUndosAreAnnouncedWithTheGridAndItsNewSize)
{
    enter({{"1", "2"}, {"3", "4"}}, {{"5"}, {"6"}});
    calculate();
    AccessibilityRecorder recorder;
    struct Step
    {
        std::function<void()> act;
        const char* said;
    };
    const Step steps[] = {
        {[this] { QTest::mouseClick(part<Button>("btnCopy"), Qt::LeftButton); },
         "Result Matrix copied, 2 rows, 1 column"},
        {[this] { choose(grid("grdMatrixB"), 0, 1, Qt::Key_M); }, "Matrix B copied, 2 rows, 1 column"},
        {[this] { choose(grid("grdMatrixA"), 1, 0, Qt::Key_C); }, "Matrix A row 1 column 2 copied"},
        {[this] {
             clipboard.content.text = "7\t8\t9\n";
             choose(grid("grdMatrixA"), 1, 1, Qt::Key_P);
         },
         "Matrix A: pasted 2 rows, 4 columns"},
        {[this] { choose(grid("grdMatrixA"), 0, 0, Qt::Key_U); }, "Matrix A: paste undone"},
    };
    for (const Step& step : steps) {
        recorder.clear();
        step.act();
        QStringList said;
        for (const auto& e : recorder.events())
            if (e.type == QAccessible::ObjectShow && e.role == QAccessible::Notification)
                said << e.name;
        EXPECT_EQ(said, QStringList{QString::fromUtf8(step.said)});
    }
}

namespace {

// What the pointer resting on the cell shows, once an earlier tip has faded.
QString toolTip(StringGrid* grid, int col, int row)
{
    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    const QPoint at = grid->cellRect(col, row).center();
    QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

TEST_F(GridMenuTest, TooltipsAndShowCalculationTellTheWholeTextAndHowAResultWasReached)
{
    MessageBoxRecorder boxes;
    StringGrid* r = grid("grdMatrixR");
    enter({{"2", "1"}}, {{"0.123456789"}, {"1000"}});
    calculate();
    const QString explained = QStringLiteral("1,000.246914 = 2 \u00D7 0.123456789 + 1 \u00D7 1000\n"
                                             "Full value: 1000.246913578");
    EXPECT_EQ(toolTip(r, 0, 0), explained);
    EXPECT_EQ(toolTip(grid("grdMatrixB"), 0, 0), QStringLiteral("0.123456789")); // cut: shown whole
    EXPECT_EQ(toolTip(grid("grdMatrixB"), 0, 1), QString());                     // fits: no tooltip
    choose(r, 0, 0, Qt::Key_S);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(QStringList({boxes.boxes()[0].caption, boxes.boxes()[0].text}),
              QStringList({QStringLiteral("Result Matrix"), explained}));
    EXPECT_EQ(boxes.boxes()[0].icon, MessageIcon::Information);

    // From the texts as they stood at Calculate, said to be out of date.
    grid("grdMatrixA")->setCell(0, 0, QStringLiteral("3"));
    EXPECT_EQ(toolTip(r, 0, 0), QStringLiteral("Out of date\n") + explained);
    QMenu* menu = openMenu(r);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(items(menu), QStringList({QStringLiteral("&Copy (off)"), QStringLiteral("Copy &Matrix (off)"),
                                        QStringLiteral("&Show Calculation")}));
}
