#include "tests/calculator/CalculatorFixture.h"

#include "platform/layout/LayoutGroup.h"
#include "platform/layout/LayoutItem.h"
#include "platform/widgets/Button.h"
#include "platform/widgets/SpinEdit.h"
#include "tests/support/AccessibilityUpdates.h"
#include "tests/support/MessageBoxRecorder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

class MainWindow : public CalculatorFixture
{
protected:
    void SetUp() override
    {
        CalculatorFixture::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // The chain of controls Tab visits from the first one, as object names.
    QStringList tabChain(int steps)
    {
        QStringList chain;
        part<SpinEdit>("edtARow")->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < steps; ++i) {
            QWidget* focused = QApplication::focusWidget();
            while (focused && focused->objectName().isEmpty())
                focused = focused->parentWidget();
            chain << (focused ? focused->objectName() : QStringLiteral("<none>"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return chain;
    }
};

} // namespace

TEST_F(MainWindow, OpensTitledWithItsClientSizeAndLavenderBackground)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorlin"));
    EXPECT_EQ(window->size(), QSize(709, 362));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(232, 232, 255));
    EXPECT_EQ(window->font().pixelSize(), 11);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(MainWindow, CannotBeMadeSmallerThanItsClientAreaAtCreation)
{
    window->resize(300, 200);
    EXPECT_EQ(window->size(), QSize(709, 362));
}

TEST_F(MainWindow, FormShowOpensTheRangeAndShowsOneByOneMatrices)
{
    for (const SpinEdit* editor : {part<SpinEdit>("edtARow"), part<SpinEdit>("edtACol"), part<SpinEdit>("edtBCol")}) {
        EXPECT_EQ(editor->text(), QStringLiteral("1"));
        EXPECT_EQ(editor->maxValue(), 20);
    }
    for (const QLineEdit* display :
         {part<QLineEdit>("edtBRow"), part<QLineEdit>("edtRRows"), part<QLineEdit>("edtRCols")}) {
        EXPECT_EQ(display->text(), QStringLiteral("1"));
        EXPECT_FALSE(display->isEnabled());
    }
    for (const StringGrid* grid :
         {part<StringGrid>("grdMatrixA"), part<StringGrid>("grdMatrixB"), part<StringGrid>("grdMatrixR")}) {
        EXPECT_EQ(grid->rowCount(), 1);
        EXPECT_EQ(grid->colCount(), 1);
    }
}

TEST(MainWindowCreation, CountDisplaysHoldTheirOwnNamesUntilTheWindowIsShown)
{
    TFM_Main window;
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("edtBRow"))->text(), QStringLiteral("edtBRow"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("edtRRows"))->text(), QStringLiteral("edtRRows"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("edtRCols"))->text(), QStringLiteral("edtRCols"));
    EXPECT_FALSE(window.findChild<Button*>(QStringLiteral("btnCopy"))->isEnabled());
}

TEST_F(MainWindow, MatrixGroupsKeepEqualWidthsAndGridsTakeTheHeight)
{
    const int gridHeight = part<StringGrid>("grdMatrixA")->height();
    for (const QSize size : {QSize(709, 362), QSize(1000, 700), QSize(1001, 500), QSize(1002, 640)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        const int width = part<LayoutGroup>("lcgMatrixA")->width();
        EXPECT_EQ(part<LayoutGroup>("lcgMatrixB")->width(), width) << size.width();
        EXPECT_EQ(part<LayoutGroup>("lcgResultMatrix")->width(), width) << size.width();
        EXPECT_GT(width, 0);
    }
    window->resize(1002, 362 + 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(part<StringGrid>("grdMatrixA")->height(), gridHeight + 100);
    EXPECT_EQ(part<StringGrid>("grdMatrixB")->height(), gridHeight + 100);
    EXPECT_EQ(part<StringGrid>("grdMatrixR")->height(), gridHeight + 100);
}

TEST_F(MainWindow, DimensionGroupsStayCentredAtTheTopOfTheirGroups)
{
    for (const int width : {709, 1200}) {
        window->resize(width, 500);
        QCoreApplication::processEvents();
        for (const LayoutGroup* group :
             {part<LayoutGroup>("dxLayoutControl1Group1"), part<LayoutGroup>("dxLayoutControl1Group2"),
              part<LayoutGroup>("dxLayoutControl1Group3")}) {
            const QWidget* parent = group->parentWidget();
            const int left = group->x();
            const int right = parent->width() - (group->x() + group->width());
            EXPECT_LE(std::abs(left - right), 1) << group->objectName().toStdString();
            EXPECT_EQ(group->height(), 50);
            EXPECT_LT(group->y(), part<StringGrid>("grdMatrixA")->parentWidget()->y());
        }
    }
}

TEST_F(MainWindow, TabVisitsTheControlsInOrderSkippingDisabledOnesWithOrWithoutAssistiveTechnology)
{
    for (bool assisted : {false, true}) {
        SCOPED_TRACE(assisted);
        std::optional<AccessibilityUpdates> listening;
        if (assisted)
            listening.emplace([](QAccessibleEvent*) {});
        part<Button>("btnCopy")->setEnabled(false);
        EXPECT_EQ(tabChain(10),
                  (QStringList{QStringLiteral("edtARow"), QStringLiteral("edtACol"), QStringLiteral("grdMatrixA"),
                               QStringLiteral("edtBCol"), QStringLiteral("grdMatrixB"), QStringLiteral("btnCalculate"),
                               QStringLiteral("grdMatrixR"), QStringLiteral("btnAbout"), QStringLiteral("btnExit"),
                               QStringLiteral("edtARow")}));
        part<Button>("btnCopy")->setEnabled(true);
        EXPECT_EQ(tabChain(9).mid(5), (QStringList{QStringLiteral("btnCalculate"), QStringLiteral("grdMatrixR"),
                                                   QStringLiteral("btnCopy"), QStringLiteral("btnAbout")}));
    }
}

TEST_F(MainWindow, TheFocusStartsInTheRowsOfAWithItsTextSelectedSoTypingReplacesIt)
{
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(focused == part<SpinEdit>("edtARow") || part<SpinEdit>("edtARow")->isAncestorOf(focused));
    QTest::keyClick(focused, Qt::Key_3);
    EXPECT_EQ(part<SpinEdit>("edtARow")->text(), QStringLiteral("3"));
    EXPECT_EQ(part<StringGrid>("grdMatrixA")->rowCount(), 3);
}

TEST_F(MainWindow, EnterPressesTheFocusedButton)
{
    enter({{"1"}}, {{"2"}});
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        part<StringGrid>("grdMatrixR")->setCell(0, 0, QString());
        part<Button>("btnCalculate")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(part<Button>("btnCalculate"), key);
        EXPECT_EQ(resultRows(), QStringList{QStringLiteral("2")}) << key;
    }
}

TEST_F(MainWindow, OnlyCalculateAndCopyHaveHints)
{
    EXPECT_EQ(part<Button>("btnCalculate")->toolTip(), QStringLiteral("Perform matrix multiplication"));
    EXPECT_EQ(part<Button>("btnCopy")->toolTip(), QStringLiteral("Copy result matrix to clipboard as CSV"));
    const auto widgets = window->findChildren<QWidget*>();
    for (const QWidget* w : widgets) {
        if (w != part<Button>("btnCalculate") && w != part<Button>("btnCopy")) {
            EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
        }
    }
}

TEST_F(MainWindow, ButtonsAreTwentyFivePixelsHighWithoutAcceleratorsOrDefaults)
{
    for (const Button* button :
         {part<Button>("btnCalculate"), part<Button>("btnCopy"), part<Button>("btnAbout"), part<Button>("btnExit")}) {
        EXPECT_EQ(button->height(), 25);
        EXPECT_EQ(button->width(), 90);
        EXPECT_FALSE(button->text().contains(u'&'));
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
    // About sits left of Exit at the right end of the bottom row; Calculate and Copy under B and R.
    const auto globalRight = [](const QWidget* w) { return w->mapToGlobal(QPoint(w->width(), 0)).x(); };
    EXPECT_LT(globalRight(part<Button>("btnAbout")), globalRight(part<Button>("btnExit")));
    EXPECT_GE(globalRight(part<Button>("btnExit")), window->mapToGlobal(QPoint(window->width() - 12, 0)).x());
    EXPECT_EQ(globalRight(part<Button>("btnCalculate")), globalRight(part<StringGrid>("grdMatrixB")) + 1);
    EXPECT_EQ(globalRight(part<Button>("btnCopy")), globalRight(part<StringGrid>("grdMatrixR")) + 1);
}

TEST_F(MainWindow, DisabledItemsDrawTheirCaptionsDisabled)
{
    for (const LayoutItem* item :
         {part<LayoutItem>("dxLayoutControl1Item11"), part<LayoutItem>("dxLayoutControl1Item13"),
          part<LayoutItem>("dxLayoutControl1Item12")}) {
        ASSERT_NE(item->captionLabel(), nullptr);
        EXPECT_FALSE(item->captionLabel()->isEnabled());
    }
    EXPECT_TRUE(part<LayoutItem>("dxLayoutControl1Item7")->captionLabel()->isEnabled());
    part<SpinEdit>("edtARow")->setEnabled(false);
    EXPECT_FALSE(part<LayoutItem>("dxLayoutControl1Item7")->captionLabel()->isEnabled());
}

TEST_F(MainWindow, ExitClosesTheWindowWithoutAQuestion)
{
    MessageBoxRecorder boxes;
    QTest::mouseClick(part<Button>("btnExit"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(MainWindow, AValueBeyondThirtyTwoBitsIsReportedAndStopsTheResizeWhereItFailed)
{
    MessageBoxRecorder boxes;
    part<SpinEdit>("edtACol")->setValue(3);
    part<SpinEdit>("edtARow")->setValue(3000000000LL);
    emit part<SpinEdit>("edtARow")->propertiesChanged();

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, QStringLiteral("Quorlin"));
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Range check error."));
    // The columns of A were read and written before the rows of A failed; nothing after that changed.
    EXPECT_EQ(part<QLineEdit>("edtBRow")->text(), QStringLiteral("3"));
    EXPECT_EQ(part<QLineEdit>("edtRRows")->text(), QStringLiteral("1"));
    EXPECT_EQ(part<StringGrid>("grdMatrixA")->colCount(), 1);
    EXPECT_EQ(part<StringGrid>("grdMatrixB")->rowCount(), 1);

    // The window carries on: the next change goes through.
    part<SpinEdit>("edtARow")->setValue(4);
    emit part<SpinEdit>("edtARow")->propertiesChanged();
    EXPECT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(part<QLineEdit>("edtRRows")->text(), QStringLiteral("4"));
    EXPECT_EQ(part<StringGrid>("grdMatrixA")->rowCount(), 4);
    EXPECT_EQ(part<StringGrid>("grdMatrixB")->rowCount(), 3);
}
