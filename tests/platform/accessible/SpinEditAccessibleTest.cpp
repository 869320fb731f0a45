#include "platform/widgets/SpinEdit.h"

#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/QtPrinters.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

class SpinEditAccessibleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        other = new QLineEdit(window.get());
        spin = new SpinEdit(window.get());
        spin->setAccessibleName(QStringLiteral("Matrix A rows"));
        spin->setMinValue(1);
        spin->setMaxValue(20);
        spin->setValue(1);
        layout->addWidget(other);
        layout->addWidget(spin);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* other = nullptr;
    SpinEdit* spin = nullptr;
};

TEST_F(SpinEditAccessibleTest, TheFocusedObjectIsOneSpinButtonThatSpeaksEachNewValue)
{
    AccessibilityRecorder recorder;
    spin->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([this] { return spin->lineEdit()->hasFocus(); }));

    QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->role(), QAccessible::SpinBox);
    EXPECT_EQ(focused->text(QAccessible::Name), QStringLiteral("Matrix A rows"));
    EXPECT_TRUE(focused->state().focused);
    ASSERT_NE(focused->valueInterface(), nullptr);
    ASSERT_NE(focused->textInterface(), nullptr);
    EXPECT_EQ(focused->valueInterface()->currentValue().toInt(), 1);
    EXPECT_EQ(focused->valueInterface()->maximumValue().toInt(), 20);
    EXPECT_EQ(focused->textInterface()->text(0, -1), QStringLiteral("1"));
    EXPECT_FALSE(focused->textInterface()->characterRect(0).isEmpty());
    // The editor around it is no second focus object and carries no name to say twice.
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(spin);
    EXPECT_FALSE(frame->state().focusable);
    EXPECT_FALSE(frame->state().focused);
    EXPECT_TRUE(frame->text(QAccessible::Name).isEmpty());

    // Entering says the focus alone: no selection of the text, no value beside the one the focus carries.
    QCoreApplication::processEvents();
    std::vector<QAccessible::Event> entering;
    for (const auto& e : recorder.events())
        if (e.name == QStringLiteral("Matrix A rows"))
            entering.push_back(e.type);
    EXPECT_EQ(entering, std::vector<QAccessible::Event>{QAccessible::Focus});
    EXPECT_TRUE(spin->lineEdit()->hasSelectedText()); // still selected, so typing replaces it

    // Each step, typing included, is said by the focused object.
    QTest::keyClick(spin->lineEdit(), Qt::Key_Up);
    QTest::keyClick(spin->lineEdit(), Qt::Key_PageUp);
    QTest::keyClick(spin->lineEdit(), Qt::Key_Backspace);
    std::vector<QString> values;
    for (const auto& e : recorder.events())
        if (e.type == QAccessible::ValueChanged) {
            EXPECT_EQ(e.role, QAccessible::SpinBox);
            EXPECT_EQ(e.name, QStringLiteral("Matrix A rows"));
            values.push_back(e.value);
        }
    EXPECT_EQ(values, (std::vector<QString>{QStringLiteral("2"), QStringLiteral("12"), QStringLiteral("1")}));
    // A step replaces the selected text without an "unselected" beside the new value.
    EXPECT_EQ(recorder.count(QAccessible::TextSelectionChanged, QStringLiteral("Matrix A rows")), 0);

    // Leaving takes the selection away unheard too.
    QTest::keyClicks(spin->lineEdit(), QStringLiteral("5"));
    spin->lineEdit()->selectAll();
    recorder.clear();
    other->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(recorder.count(QAccessible::TextSelectionChanged, QStringLiteral("Matrix A rows")), 0);
}

} // namespace
