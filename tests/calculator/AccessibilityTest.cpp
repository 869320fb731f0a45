#include "CalculatorFixture.h"

#include "platform/grid/GridInplaceEditor.h"
#include "platform/grid/StringGrid.h"
#include "platform/widgets/SpinEdit.h"
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/MessageBoxRecorder.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace {

class AccessibilityTest : public CalculatorFixture
{
protected:
    // The first interface below `root` (depth first) with this role and name.
    static QAccessibleInterface* find(QAccessibleInterface* root, QAccessible::Role role, const QString& name)
    {
        if (root == nullptr)
            return nullptr;
        if (root->role() == role && root->text(QAccessible::Name) == name)
            return root;
        // Cells are not searched: a table answers for its own.
        if (root->role() == QAccessible::Table)
            return nullptr;
        for (int i = 0; i < root->childCount(); ++i)
            if (QAccessibleInterface* found = find(root->child(i), role, name))
                return found;
        return nullptr;
    }

    QAccessibleInterface* find(QAccessible::Role role, const QString& name) const
    {
        return find(QAccessible::queryAccessibleInterface(window.get()), role, name);
    }

    static QString cellName(QAccessibleInterface* table, int row, int col)
    {
        QAccessibleInterface* cell = table->tableInterface()->cellAt(row, col);
        return cell ? cell->text(QAccessible::Name) : QStringLiteral("<none>");
    }

    AccessibilityRecorder recorder;
    MessageBoxRecorder boxes;
};

TEST_F(AccessibilityTest, WindowTreeNamesTablesSpinBoxesCountsAndButtons)
{
    setDimensions(2, 3, 4);
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window.get());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), QStringLiteral("Quorlin"));

    struct TableRow
    {
        const char* name;
        int rows;
        int cols;
        bool editable;
    };
    for (const TableRow& expected :
         {TableRow{"Matrix A", 2, 3, true}, TableRow{"Matrix B", 3, 4, true}, TableRow{"Result Matrix", 2, 4, false}}) {
        SCOPED_TRACE(expected.name);
        QAccessibleInterface* table = find(QAccessible::Table, QString::fromUtf8(expected.name));
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->tableInterface()->rowCount(), expected.rows);
        EXPECT_EQ(table->tableInterface()->columnCount(), expected.cols);
        EXPECT_EQ(table->child(0)->state().editable, expected.editable);
        EXPECT_EQ(table->child(0)->state().readOnly, !expected.editable);
    }

    struct SpinRow
    {
        const char* name;
        int value;
    };
    for (const SpinRow& expected :
         {SpinRow{"Matrix A rows", 2}, SpinRow{"Matrix A columns", 3}, SpinRow{"Matrix B columns", 4}}) {
        SCOPED_TRACE(expected.name);
        QAccessibleInterface* spin = find(QAccessible::SpinBox, QString::fromUtf8(expected.name));
        ASSERT_NE(spin, nullptr);
        ASSERT_NE(spin->valueInterface(), nullptr);
        EXPECT_EQ(spin->valueInterface()->currentValue().toInt(), expected.value);
        EXPECT_EQ(spin->valueInterface()->minimumValue().toInt(), 1);
        EXPECT_EQ(spin->valueInterface()->maximumValue().toInt(), 20);
        EXPECT_EQ(spin->text(QAccessible::Value), QString::number(expected.value));
    }

    struct CountRow
    {
        const char* name;
        const char* value;
    };
    for (const CountRow& expected : {CountRow{"Matrix B rows", "3"}, CountRow{"Result Matrix rows", "2"},
                                     CountRow{"Result Matrix columns", "4"}}) {
        SCOPED_TRACE(expected.name);
        QAccessibleInterface* count = find(QAccessible::EditableText, QString::fromUtf8(expected.name));
        ASSERT_NE(count, nullptr);
        EXPECT_EQ(count->text(QAccessible::Value), QString::fromUtf8(expected.value));
        ASSERT_NE(count->textInterface(), nullptr);
        EXPECT_EQ(count->textInterface()->text(0, count->textInterface()->characterCount()),
                  QString::fromUtf8(expected.value));
        EXPECT_TRUE(count->state().readOnly);
        EXPECT_FALSE(count->state().editable);
    }

    struct ButtonRow
    {
        const char* name;
        const char* description;
        bool enabled;
    };
    for (const ButtonRow& expected : {ButtonRow{"Calculate", "Perform matrix multiplication", true},
                                      ButtonRow{"Copy", "Copy result matrix to clipboard as CSV", false},
                                      ButtonRow{"About", "", true}, ButtonRow{"Exit", "", true}}) {
        SCOPED_TRACE(expected.name);
        QAccessibleInterface* button = find(QAccessible::Button, QString::fromUtf8(expected.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(QAccessible::Description), QString::fromUtf8(expected.description));
        EXPECT_EQ(button->state().disabled, !expected.enabled);
    }
    fill(part<StringGrid>("grdMatrixA"), {{"1", "1", "1"}, {"1", "1", "1"}});
    fill(part<StringGrid>("grdMatrixB"), {{"1", "1", "1", "1"}, {"1", "1", "1", "1"}, {"1", "1", "1", "1"}});
    calculate();
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_FALSE(find(QAccessible::Button, QStringLiteral("Copy"))->state().disabled);
}

TEST_F(AccessibilityTest, CellNamesFollowTypingAndCalculate)
{
    setDimensions(1, 2, 1);
    QAccessibleInterface* a = find(QAccessible::Table, QStringLiteral("Matrix A"));
    QAccessibleInterface* r = find(QAccessible::Table, QStringLiteral("Result Matrix"));
    ASSERT_NE(a, nullptr);
    ASSERT_NE(r, nullptr);
    fill(part<StringGrid>("grdMatrixB"), {{"3"}, {"4"}});

    part<StringGrid>("grdMatrixA")->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([this] { return part<StringGrid>("grdMatrixA")->hasFocus(); }));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
    EXPECT_EQ(cellName(a, 0, 0), QStringLiteral("1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    // The focus follows the user to the next cell; its editor is named after it.
    EXPECT_EQ(recorder.cellEvents(QAccessible::Focus, 1, 0), 1);
    EXPECT_EQ(part<StringGrid>("grdMatrixA")->inplaceEditor()->accessibleName(),
              QStringLiteral("Matrix A row 1 column 2"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(cellName(a, 0, 1), QStringLiteral("2"));

    EXPECT_EQ(cellName(r, 0, 0), QString());
    recorder.clear();
    calculate();
    EXPECT_EQ(cellName(r, 0, 0), QStringLiteral("11"));
    EXPECT_EQ(recorder.count(QAccessible::NameChanged, QStringLiteral("11")), 1);
}

TEST_F(AccessibilityTest, DimensionChangeAnnouncesTheValueAndTheNewCounts)
{
    QAccessibleInterface* a = find(QAccessible::Table, QStringLiteral("Matrix A"));
    QAccessibleInterface* r = find(QAccessible::Table, QStringLiteral("Result Matrix"));
    ASSERT_NE(a, nullptr);
    ASSERT_NE(r, nullptr);
    find(QAccessible::SpinBox, QStringLiteral("Matrix A rows"));
    recorder.clear();

    part<SpinEdit>("edtARow")->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([this] { return part<SpinEdit>("edtARow")->lineEdit()->hasFocus(); }));
    QTest::keyClick(part<SpinEdit>("edtARow")->lineEdit(), Qt::Key_Up);
    QTest::keyClick(part<SpinEdit>("edtARow")->lineEdit(), Qt::Key_Up);

    std::vector<QString> values;
    int rowInsertions = 0;
    for (const auto& e : recorder.events()) {
        if (e.type == QAccessible::ValueChanged && e.name == QStringLiteral("Matrix A rows"))
            values.push_back(e.value);
        if (e.type == QAccessible::TableModelChanged && e.modelChange == QAccessibleTableModelChangeEvent::RowsInserted)
            ++rowInsertions;
    }
    EXPECT_EQ(values, (std::vector<QString>{QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(rowInsertions, 4); // A and R, twice
    EXPECT_EQ(a->tableInterface()->rowCount(), 3);
    EXPECT_EQ(r->tableInterface()->rowCount(), 3);
}

TEST_F(AccessibilityTest, SettingTheSpinBoxValueActsLikeAStep)
{
    QAccessibleInterface* spin = find(QAccessible::SpinBox, QStringLiteral("Matrix B columns"));
    ASSERT_NE(spin, nullptr);
    spin->valueInterface()->setCurrentValue(25);
    EXPECT_EQ(part<SpinEdit>("edtBCol")->value(), 20);
    EXPECT_EQ(part<StringGrid>("grdMatrixB")->colCount(), 20);
    EXPECT_EQ(part<QLineEdit>("edtRCols")->text(), QStringLiteral("20"));
}

TEST_F(AccessibilityTest, ASuccessfulCalculateIsAnnouncedWithTheResultsSize)
{
    setDimensions(2, 1, 1);
    fill(part<StringGrid>("grdMatrixA"), {{"1"}, {"2"}});
    fill(part<StringGrid>("grdMatrixB"), {{"3"}});
    recorder.clear();
    calculate();
    const auto shown = std::find_if(recorder.events().cbegin(), recorder.events().cend(),
                                    [](const auto& e) { return e.type == QAccessible::ObjectShow; });
    ASSERT_NE(shown, recorder.events().cend());
    EXPECT_EQ(shown->role, QAccessible::Notification);
    EXPECT_EQ(shown->name, QStringLiteral("Result Matrix calculated, 2 rows, 1 column"));
    recorder.clear();
    calculate(); // said again each time
    EXPECT_EQ(recorder.count(QAccessible::ObjectShow, QStringLiteral("Result Matrix calculated, 2 rows, 1 column")), 1);

    // A failed Calculate announces nothing of the kind.
    part<StringGrid>("grdMatrixA")->setCell(0, 0, QStringLiteral("x"));
    recorder.clear();
    calculate();
    EXPECT_EQ(recorder.count(QAccessible::ObjectShow, QStringLiteral("Result Matrix calculated, 2 rows, 1 column")), 0);
}

TEST_F(AccessibilityTest, CountDisplaysPlaceTheirCharactersOnScreen)
{
    setDimensions(12, 3, 4);
    QAccessibleInterface* count = find(QAccessible::EditableText, QStringLiteral("Result Matrix rows"));
    ASSERT_NE(count, nullptr);
    const QRect first = count->textInterface()->characterRect(0);
    const QRect second = count->textInterface()->characterRect(1);
    EXPECT_FALSE(first.isEmpty());
    EXPECT_TRUE(count->rect().contains(first));
    EXPECT_EQ(second.left(), first.right() + 1);
    EXPECT_EQ(count->textInterface()->offsetAtPoint(second.center()), 1);
    EXPECT_TRUE(count->textInterface()->characterRect(2).isEmpty());
}

} // namespace
