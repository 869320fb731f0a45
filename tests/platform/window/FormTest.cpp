#include "platform/window/Form.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QRect WorkArea(0, 0, 1024, 738);
} // namespace

TEST(FormSnapping, EdgesWithinNinePixelsSnapAndTenPixelsDoNot)
{
    const QSize size(725, 400);
    EXPECT_EQ(SnapToWorkArea(QRect(QPoint(9, 100), size), WorkArea, 10), QPoint(0, 100));
    EXPECT_EQ(SnapToWorkArea(QRect(QPoint(10, 100), size), WorkArea, 10), QPoint(10, 100));
    EXPECT_EQ(SnapToWorkArea(QRect(QPoint(-9, 100), size), WorkArea, 10), QPoint(0, 100));
    EXPECT_EQ(SnapToWorkArea(QRect(QPoint(200, 9), size), WorkArea, 10), QPoint(200, 0));
    // Right edge at 1024 - 9 and bottom edge at 738 - 9.
    EXPECT_EQ(SnapToWorkArea(QRect(QPoint(1024 - 725 - 9, 738 - 400 - 9), size), WorkArea, 10),
              QPoint(1024 - 725, 738 - 400));
    EXPECT_EQ(SnapToWorkArea(QRect(QPoint(1024 - 725 - 10, 300), size), WorkArea, 10), QPoint(1024 - 735, 300));
}

TEST(FormSnapping, LaterEdgesAreTestedOnThePositionEarlierOnesLeft)
{
    // Snapping left takes the right edge out of reach; tested on the first position it would snap right.
    const QRect frame(QPoint(8, 100), QSize(1012, 300));
    EXPECT_EQ(SnapToWorkArea(frame, WorkArea, 10), QPoint(0, 100));
}

TEST(FormCentring, CentresOnTheAreaRoundingTowardZeroAndNeverAboveTheDesktop)
{
    EXPECT_EQ(CentredPosition(QSize(725, 400), QRect(0, 0, 1024, 768), QPoint(0, 0)), QPoint(149, 184));
    EXPECT_EQ(CentredPosition(QSize(2000, 1000), QRect(0, 0, 1024, 768), QPoint(0, 0)), QPoint(0, 0));
}

TEST(Form, RunsItsShowHandlerBeforeItIsVisibleAndCentresOnTheFirstShowOnly)
{
    Form form;
    form.resize(300, 200);
    bool visibleDuringShowHandler = true;
    int shows = 0;
    QObject::connect(&form, &Form::aboutToShow, [&] {
        visibleDuringShowHandler = form.isVisible() && form.testAttribute(Qt::WA_Mapped);
        ++shows;
    });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(shows, 1);
    EXPECT_FALSE(visibleDuringShowHandler);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form.frameGeometry().topLeft(), CentredPosition(form.frameGeometry().size(), screen, screen.topLeft()));

    form.hide();
    form.move(40, 50);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(form.pos(), QPoint(40, 50));
}

TEST(Form, SnapsToTheWorkAreaWhenMovedNear)
{
    Form form;
    form.resize(300, 200);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect area = form.screen()->availableGeometry();
    form.move(area.left() + 9, area.top() + 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.pos().x() == area.left(); }, 1000));
    form.move(area.left() + 10, area.top() + 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.pos(), QPoint(area.left() + 10, area.top() + 100));
}
