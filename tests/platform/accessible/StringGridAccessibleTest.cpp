#include "platform/accessible/StringGridAccessible.h"

#include "tests/platform/grid/StringGridTestSupport.h"
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/QtPrinters.h"

#include <QAccessible>

#include <limits>

namespace {

class StringGridAccessibleTest : public StringGridFixture
{
protected:
    void SetUp() override
    {
        StringGridFixture::SetUp();
        m_grid->setAccessibleName(QStringLiteral("Matrix A"));
    }

    StringGridAccessible* table() const
    {
        return dynamic_cast<StringGridAccessible*>(QAccessible::queryAccessibleInterface(m_grid));
    }

    static QString nameOf(QAccessibleInterface* iface) { return iface ? iface->text(QAccessible::Name) : QString(); }

    AccessibilityRecorder recorder;
};

TEST_F(StringGridAccessibleTest, TableHasTheGridsCountsAndCellsNamedByTheirText)
{
    resize(3, 4);
    m_grid->setCell(2, 1, QStringLiteral("1,5"));
    StringGridAccessible* iface = table();
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Table);
    EXPECT_EQ(nameOf(iface), QStringLiteral("Matrix A"));
    ASSERT_NE(iface->tableInterface(), nullptr);
    EXPECT_EQ(iface->tableInterface()->columnCount(), 3);
    EXPECT_EQ(iface->tableInterface()->rowCount(), 4);
    EXPECT_EQ(iface->childCount(), 12);

    QAccessibleInterface* cell = iface->tableInterface()->cellAt(1, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(nameOf(cell), QStringLiteral("1,5"));
    // A NUL would end the name on its way to a screen reader: it is named by its sign, the rest follows.
    m_grid->setCell(2, 1,
                    QString::fromUtf16(u"1\0"
                                       "2",
                                       3));
    EXPECT_EQ(nameOf(cell), QString::fromUtf16(u"1\u2400"
                                               "2"));
    EXPECT_EQ(cell->text(QAccessible::Value), QString::fromUtf16(u"1\u2400"
                                                                 "2"));
    ASSERT_NE(cell->tableCellInterface(), nullptr);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
    EXPECT_EQ(cell->tableCellInterface()->columnIndex(), 2);
    EXPECT_EQ(cell->tableCellInterface()->rowExtent(), 1);
    EXPECT_EQ(cell->tableCellInterface()->columnExtent(), 1);
    EXPECT_EQ(cell->parent(), iface);
    // Row-major children, the same interface however it is reached.
    EXPECT_EQ(iface->child(1 * 3 + 2), cell);
    EXPECT_EQ(iface->indexOfChild(cell), 5);
    EXPECT_EQ(iface->tableInterface()->cellAt(4, 0), nullptr);
    EXPECT_EQ(iface->child(12), nullptr);

    EXPECT_TRUE(cell->state().editable);
    EXPECT_FALSE(cell->state().readOnly);
    m_grid->setEditable(false);
    EXPECT_TRUE(cell->state().readOnly);
    EXPECT_FALSE(cell->state().editable);
}

TEST_F(StringGridAccessibleTest, HugeGridAnswersItsCountsAtOnceAndMakesOnlyTheCellsAskedFor)
{
    constexpr int MaxRows = std::numeric_limits<int>::max();
    resize(3, MaxRows);
    StringGridAccessible* iface = table();
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->tableInterface()->rowCount(), MaxRows);
    EXPECT_EQ(iface->childCount(), MaxRows); // 3 x 2147483647 cells, clamped
    EXPECT_EQ(iface->cachedCellCount(), 0);

    m_grid->setCell(2, MaxRows - 1, QStringLiteral("last"));
    QAccessibleInterface* last = iface->tableInterface()->cellAt(MaxRows - 1, 2);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(nameOf(last), QStringLiteral("last"));
    EXPECT_EQ(last->tableCellInterface()->rowIndex(), MaxRows - 1);
    EXPECT_EQ(iface->indexOfChild(last), -1); // beyond what an int index reaches
    EXPECT_EQ(iface->cachedCellCount(), 1);

    for (int row = 0; row < 3 * StringGridAccessible::MaxCachedCells; ++row)
        ASSERT_NE(iface->tableInterface()->cellAt(row * 1000, row % 3), nullptr);
    EXPECT_EQ(iface->cachedCellCount(), StringGridAccessible::MaxCachedCells);
}

TEST_F(StringGridAccessibleTest, MovingTheCurrentCellFocusesAndSelectsTheNewCell)
{
    resize(3, 3);
    ASSERT_TRUE(QAccessible::isActive());
    recorder.clear();
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    EXPECT_EQ(recorder.cellEvents(QAccessible::Focus, 1, 0), 1);
    EXPECT_EQ(recorder.cellEvents(QAccessible::Focus, 1, 1), 1);
    EXPECT_EQ(recorder.cellEvents(QAccessible::Selection, 1, 1), 1);

    QAccessibleInterface* current = table()->tableInterface()->cellAt(1, 1);
    EXPECT_TRUE(current->state().focused);
    EXPECT_TRUE(current->state().selected);
    EXPECT_EQ(table()->focusChild(), current);
    EXPECT_EQ(table()->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{current});
    EXPECT_FALSE(table()->tableInterface()->cellAt(0, 1)->state().selected);
}

TEST_F(StringGridAccessibleTest, TakingTheFocusAnnouncesTheCurrentCellAfterwards)
{
    resize(3, 3);
    m_grid->setCurrentCell(0, 2);
    ASSERT_NE(table()->tableInterface()->cellAt(2, 0), nullptr);
    m_before->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_before->hasFocus(); }));
    EXPECT_FALSE(table()->tableInterface()->cellAt(2, 0)->state().focused);
    recorder.clear();

    m_grid->setFocus(Qt::TabFocusReason);
    // Sent once Qt's own announcement of the grid is out, so it is not there yet.
    EXPECT_EQ(recorder.cellEvents(QAccessible::Focus, 0, 2), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return recorder.cellEvents(QAccessible::Focus, 0, 2) > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.cellEvents(QAccessible::Focus, 0, 2), 1);
    EXPECT_TRUE(table()->tableInterface()->cellAt(2, 0)->state().focused);
}

TEST_F(StringGridAccessibleTest, TypedTextIsTheCellsNameAndIsAnnouncedAsItIsTyped)
{
    resize(2, 2);
    QAccessibleInterface* cell = table()->tableInterface()->cellAt(0, 0);
    recorder.clear();
    type(QStringLiteral("42"));
    ASSERT_TRUE(m_grid->editorOpen());
    EXPECT_EQ(nameOf(cell), QStringLiteral("42"));
    EXPECT_EQ(recorder.cellEvents(QAccessible::NameChanged, 0, 0), 2);
    // A cell has no value interface, so it sends no value event (the bridge would warn of each).
    EXPECT_EQ(recorder.cellEvents(QAccessible::ValueChanged, 0, 0), 0);
    // The focused editor says which cell it edits.
    EXPECT_EQ(m_grid->inplaceEditor()->accessibleName(), QString());
    press(Qt::Key_Down);
    EXPECT_EQ(nameOf(cell), QStringLiteral("42"));
    EXPECT_EQ(m_grid->inplaceEditor()->accessibleName(), QStringLiteral("Matrix A row 2 column 1"));
}

TEST_F(StringGridAccessibleTest, CountChangesAreAnnouncedAndCellsOutsideThemReleased)
{
    resize(3, 3);
    QAccessibleTableInterface* t = table()->tableInterface();
    ASSERT_NE(t->cellAt(2, 2), nullptr);
    ASSERT_NE(t->cellAt(0, 0), nullptr);
    recorder.clear();

    m_grid->setRowCount(5);
    m_grid->setColCount(2);
    using Change = QAccessibleTableModelChangeEvent;
    std::vector<std::tuple<Change::ModelChangeType, int, int>> changes;
    for (const auto& e : recorder.events())
        if (e.type == QAccessible::TableModelChanged)
            changes.emplace_back(e.modelChange, e.first, e.last);
    const std::vector<std::tuple<Change::ModelChangeType, int, int>> expected{{Change::RowsInserted, 3, 4},
                                                                              {Change::ColumnsRemoved, 2, 2}};
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(t->rowCount(), 5);
    EXPECT_EQ(t->columnCount(), 2);
    EXPECT_EQ(table()->cachedCellCount(), 1);
    EXPECT_EQ(t->cellAt(2, 2), nullptr);
}

TEST_F(StringGridAccessibleTest, CellsReportTheirRowAndColumnHeadersMadeOnlyWhenAsked)
{
    constexpr int MaxRows = std::numeric_limits<int>::max();
    resize(3, MaxRows);
    QAccessibleTableCellInterface* cell = table()->tableInterface()->cellAt(MaxRows - 1, 2)->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(table()->cachedCellCount(), 1);

    const QList<QAccessibleInterface*> rowHeaders = cell->rowHeaderCells();
    const QList<QAccessibleInterface*> columnHeaders = cell->columnHeaderCells();
    ASSERT_EQ(rowHeaders.size(), 1);
    ASSERT_EQ(columnHeaders.size(), 1);
    EXPECT_EQ(nameOf(rowHeaders.front()), QStringLiteral("Row 2147483647"));
    EXPECT_EQ(rowHeaders.front()->role(), QAccessible::RowHeader);
    EXPECT_EQ(nameOf(columnHeaders.front()), QStringLiteral("Column 3"));
    EXPECT_EQ(columnHeaders.front()->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(rowHeaders.front()->parent(), table());
    // Asked again, the same headers; nothing made for the rows in between.
    EXPECT_EQ(cell->rowHeaderCells(), rowHeaders);
    EXPECT_EQ(table()->cachedCellCount(), 3);

    // A header whose row is gone is released with the cells outside the counts; the column header
    // stays, beside the current cell the shrinking announced.
    m_grid->setRowCount(2);
    EXPECT_EQ(table()->cachedCellCount(), 2);
    EXPECT_EQ(nameOf(table()->tableInterface()->cellAt(1, 0)->tableCellInterface()->rowHeaderCells().value(0)),
              QStringLiteral("Row 2"));
}

} // namespace
