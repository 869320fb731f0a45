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

    // Copy's state, whether R's menu copies, and R's accessible description.
    QString state() const
    {
        FakeClipboard clipboard;
        clipboard.content.text.reset();
        grid("grdMatrixR")->findChild<GridMenu*>()->copyMatrix();
        return QStringLiteral("%1 %2 \"%3\"")
            .arg(part<Button>("btnCopy")->isEnabled() ? u"on" : u"off", clipboard.content.text ? u"copies" : u"no",
                 QAccessible::queryAccessibleInterface(grid("grdMatrixR"))->text(QAccessible::Description));
    }
    void paste(const char* name, const char* text) { grid(name)->findChild<GridMenu*>()->paste({text, {}}); }
};

TEST_F(Result, EveryKindOfChangeLeavesItOutOfDateUntilTheNextCalculate)
{
    MessageBoxRecorder boxes;
    const auto type = [this](const char* name) {
        grid(name)->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(grid(name), QStringLiteral("5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"typing in A", [&] { type("grdMatrixA"); }},
        {"typing in B", [&] { type("grdMatrixB"); }},
        {"a paste", [&] { paste("grdMatrixA", "7"); }},
        {"an undo", [&] { QTest::keyClick(grid("grdMatrixB"), Qt::Key_Z, Qt::ControlModifier); }},
        {"a count step", [&] { QTest::keyClick(part<SpinEdit>("edtBCol")->lineEdit(), Qt::Key_Up); }},
        {"a paste growing a count", [&] { paste("grdMatrixB", "1\t2\t3"); }},
    };
    EXPECT_EQ(state(), QStringLiteral("off no \"\"")) << "before any Calculate";
    for (const auto& [name, change] : changes) {
        enter({{"1", "2"}}, {{"3"}, {"4"}});
        grid("grdMatrixB")->setCurrentCell(0, 1);
        paste("grdMatrixB", "9"); // for the undo
        calculate();
        ASSERT_EQ(state(), QStringLiteral("on copies \"\"")) << name;
        change();
        EXPECT_EQ(state(), QStringLiteral("off no \"Out of date\"")) << name;
        EXPECT_EQ(grid("grdMatrixR")->cell(0, 0), QStringLiteral("21")) << name << ": the text stays, greyed";
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(Result, AfterTheErrorBoxTheFirstCellThatIsNoNumberIsCurrentAndFocused)
{
    MessageBoxRecorder boxes;
    // A's (5, 1) comes before (0, 2) row by row; B's last cell needs scrolling to.
    const std::tuple<const char*, const char*, QPoint> cases[] = {{"x", "grdMatrixA", {5, 1}},
                                                                  {"1", "grdMatrixB", {19, 19}}};
    for (const auto& [a51, name, cell] : cases) {
        setDimensions(20, 20, 20);
        for (StringGrid* g : {grid("grdMatrixA"), grid("grdMatrixB")}) {
            for (int i = 0; i < 400; ++i)
                g->setCell(i % 20, i / 20, QStringLiteral("1"));
            g->setCurrentCell(0, 0);
        }
        grid("grdMatrixA")->setCell(5, 1, QString::fromLatin1(a51));
        grid("grdMatrixA")->setCell(0, 2, QString::fromLatin1(a51));
        grid("grdMatrixB")->setCell(19, 19, QStringLiteral("y"));
        calculate();
        const StringGrid* g = grid(name);
        EXPECT_EQ(QPoint(g->col(), g->row()), cell) << name;
        EXPECT_TRUE(g->viewport()->rect().contains(g->cellRect(cell.x(), cell.y()))) << name;
        EXPECT_EQ(QApplication::focusWidget(), g) << name;
    }
    EXPECT_EQ(boxes.boxes().size(), 2u);
}
