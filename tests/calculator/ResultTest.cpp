// R after Calculate: the product of what A and B hold, or marked out of date; and a bad cell shown.
#include "tests/calculator/CalculatorFixture.h"

#include "calculator/GridMenu.h"
#include "tests/support/FakeClipboard.h"
#include "tests/support/MessageBoxRecorder.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

#include <functional>

class Result : public CalculatorFixture
{
protected:
    StringGrid* grid(const char* name) const { return part<StringGrid>(name); }

    // Copy's state, R's accessible description and whether R's menu copies, in one line.
    QString state() const
    {
        const bool menuCopies = [this] {
            FakeClipboard clipboard;
            clipboard.content.reset();
            grid("grdMatrixR")->findChild<GridMenu*>()->copyMatrix();
            return clipboard.content.has_value();
        }();
        return QStringLiteral("Copy %1, menu %2, \"%3\"")
            .arg(part<Button>("btnCopy")->isEnabled() ? u"on" : u"off", menuCopies ? u"copies" : u"does not copy",
                 QAccessible::queryAccessibleInterface(grid("grdMatrixR"))->text(QAccessible::Description));
    }
};

TEST_F(Result, EveryKindOfChangeLeavesItOutOfDateUntilTheNextCalculate)
{
    MessageBoxRecorder boxes;
    const QString upToDate = QStringLiteral("Copy on, menu copies, \"\"");
    const QString outOfDate = QStringLiteral("Copy off, menu does not copy, \"Out of date\"");
    const auto type = [this](const char* name, const char* keys) {
        StringGrid* g = grid(name);
        g->setFocus(Qt::OtherFocusReason);
        g->setCurrentCell(0, 0);
        QTest::keyClicks(g, QString::fromLatin1(keys));
    };
    const auto paste = [this](const char* name, const char* text) {
        grid(name)->findChild<GridMenu*>()->paste(QString::fromLatin1(text));
    };
    struct Change
    {
        const char* name;
        std::function<void()> change;
    };
    const Change changes[] = {
        {"typing in A", [&] { type("grdMatrixA", "5"); }},
        {"typing in B", [&] { type("grdMatrixB", "5"); }},
        {"a paste into A", [&] { paste("grdMatrixA", "7"); }},
        {"an undone paste", [&] { QTest::keyClick(grid("grdMatrixB"), Qt::Key_Z, Qt::ControlModifier); }},
        {"a count step", [&] { QTest::keyClick(part<SpinEdit>("edtBCol")->lineEdit(), Qt::Key_Up); }},
        {"a paste growing a count", [&] { paste("grdMatrixB", "1\t2\t3"); }},
    };
    EXPECT_EQ(state(), QStringLiteral("Copy off, menu does not copy, \"\"")) << "before any Calculate";
    for (const Change& c : changes) {
        enter({{"1", "2"}}, {{"3"}, {"4"}});
        grid("grdMatrixB")->setCurrentCell(0, 1);
        paste("grdMatrixB", "9"); // for the undo
        calculate();
        ASSERT_EQ(state(), upToDate) << c.name;
        ASSERT_EQ(resultRows(), QStringList{QStringLiteral("21")}) << c.name;
        c.change();
        QApplication::processEvents();
        EXPECT_EQ(state(), outOfDate) << c.name;
        EXPECT_EQ(grid("grdMatrixR")->cell(0, 0), QStringLiteral("21")) << c.name << ": the texts stay, greyed";
        if (QWidget* focus = QApplication::focusWidget())
            QTest::keyClick(focus, Qt::Key_Return); // closes an open editor
        enter({{"1", "2"}}, {{"3"}, {"9"}});
        calculate();
        EXPECT_EQ(state(), upToDate) << c.name;
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(Result, HoldsOneProductSoGrowingShowsNoOlderText)
{
    enter({{"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}}, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
    calculate();
    enter({{"2", "0"}, {"0", "2"}}, {{"1", "2"}, {"4", "5"}});
    calculate();
    setDimensions(3, 3, 3);
    EXPECT_EQ(resultRows(), (QStringList{QStringLiteral("2 4 "), QStringLiteral("8 10 "), QStringLiteral("  ")}));
}

TEST_F(Result, AfterTheErrorBoxTheFirstCellThatIsNoNumberIsCurrentAndFocused)
{
    MessageBoxRecorder boxes;
    struct Case
    {
        const char* name;
        const char* a51; // A's cell (5, 1), before (0, 2) row by row
        const char* a02;
        const char* grid;
        QPoint cell;
    };
    const Case cases[] = {
        {"A row by row, before B", "x", "later", "grdMatrixA", {5, 1}},
        {"B alone, scrolled to", "1", "1", "grdMatrixB", {19, 19}},
    };
    for (const Case& c : cases) {
        setDimensions(20, 20, 20);
        for (StringGrid* g : {grid("grdMatrixA"), grid("grdMatrixB")}) {
            for (int row = 0; row < 20; ++row)
                for (int col = 0; col < 20; ++col)
                    g->setCell(col, row, QStringLiteral("1"));
            g->setCurrentCell(0, 0);
        }
        grid("grdMatrixA")->setCell(5, 1, QString::fromLatin1(c.a51));
        grid("grdMatrixA")->setCell(0, 2, QString::fromLatin1(c.a02));
        grid("grdMatrixB")->setCell(19, 19, QStringLiteral("y"));
        calculate();
        const StringGrid* g = grid(c.grid);
        EXPECT_EQ(QPoint(g->col(), g->row()), c.cell) << c.name;
        EXPECT_TRUE(g->viewport()->rect().contains(g->cellRect(c.cell.x(), c.cell.y()))) << c.name;
        EXPECT_EQ(QApplication::focusWidget(), g) << c.name;
    }
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[1].text, QStringLiteral("All Matrix A and Matrix B values must be Numeric!"));
}
