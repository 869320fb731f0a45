#include "platform/Drawing.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(MulDiv, RoundsTheExactProductHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(127, 1, 254), 1);
    EXPECT_EQ(MulDiv(127, -1, 254), -1);
    EXPECT_EQ(MulDiv(127, -23, 254), -12);
    EXPECT_EQ(MulDiv(100, 1, 255), 0);
    EXPECT_EQ(MulDiv(254, 364, 255), 363);  // 362.57 rounds up
    EXPECT_EQ(MulDiv(-7, 3, -2), 11);       // 10.5 away from zero
    EXPECT_EQ(MulDiv(65536, 65536, 2), -1); // 2^31 does not fit
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(Frame3D, RingsTakeTheTopColourLeftAndTopAndTheBottomColourOnTheOtherCorners)
{
    QImage image(6, 5, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    QRect r(0, 0, 6, 5);
    Frame3D(painter, r, Qt::white, Qt::red, 1);
    painter.end();
    EXPECT_EQ(r, QRect(1, 1, 4, 3));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(4, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, 0), QColor(Qt::red)); // top-right corner
    EXPECT_EQ(image.pixelColor(0, 3), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(0, 4), QColor(Qt::red)); // bottom-left corner
    EXPECT_EQ(image.pixelColor(5, 4), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::black));
}

TEST(Frame3D, AWidthOfZeroDrawsNothingAndKeepsTheRectangle)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    QRect r(0, 0, 4, 4);
    Frame3D(painter, r, Qt::white, Qt::red, 0);
    painter.end();
    EXPECT_EQ(r, QRect(0, 0, 4, 4));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
}
