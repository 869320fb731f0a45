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

namespace {

QImage outlined(const QRect& rect, qreal ratio, bool withPen)
{
    QImage image(int(12 * ratio), int(10 * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (withPen) {
        painter.setPen(QColor(Qt::blue));
        painter.drawRect(rect);
    } else {
        DrawOutline(painter, rect, Qt::blue);
    }
    return image;
}

} // namespace

TEST(DrawOutline, CoversThePixelsOfAOnePixelPenAt100Percent)
{
    for (const QRect& rect : {QRect(0, 0, 11, 9), QRect(2, 3, 5, 4), QRect(1, 1, 1, 1), QRect(4, 4, 0, 3)})
        EXPECT_EQ(outlined(rect, 1.0, false), outlined(rect, 1.0, true))
            << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
}

TEST(DrawOutline, StaysOneDeviceIndependentPixelAndSolidAtHigherDensities)
{
    const QRect rect(0, 0, 11, 9); // a widget's own outline, where a scaled pen loses its outer half
    const QImage single = outlined(rect, 1.0, false);
    const QImage doubled = outlined(rect, 2.0, false);
    for (int y = 0; y < doubled.height(); ++y)
        for (int x = 0; x < doubled.width(); ++x)
            ASSERT_EQ(doubled.pixel(x, y), single.pixel(x / 2, y / 2)) << x << "," << y;

    const QImage image = outlined(rect, 1.5, false);
    for (int x = 0; x < image.width(); ++x)
        EXPECT_EQ(image.pixel(x, 0), qRgb(0, 0, 255)) << x; // top edge unbroken
    for (int x = 2; x < image.width() - 3; ++x)
        EXPECT_EQ(image.pixel(x, 2), qRgb(255, 255, 255)) << x; // and no thicker than two device pixels
    for (int y = 0; y < image.height(); ++y)
        EXPECT_EQ(image.pixel(0, y), qRgb(0, 0, 255)) << y; // left edge unbroken
}
