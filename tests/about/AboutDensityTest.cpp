#include "about/About.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

TEST(AboutDensity, ShowsTheLogoDrawnForTwiceTheDensityAtItsUsualSize)
{
    TfrmAbout dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_EQ(dialog.devicePixelRatioF(), 2.0) << "run with QT_SCALE_FACTOR=2";

    auto* logo = dialog.findChild<QLabel*>(QStringLiteral("imgLogo"));
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->geometry(), QRect(10, 10, 100, 128));
    EXPECT_EQ(logo->pixmap().devicePixelRatio(), 2.0);

    // Device pixel for device pixel, the ink on screen is the 2x picture's, not the 100 percent one
    // scaled up.
    const QImage shown = logo->grab().toImage();
    const QImage drawn(QStringLiteral(":/logo/logo@2x.png"));
    const QImage single(QStringLiteral(":/logo/logo.png"));
    ASSERT_EQ(shown.size(), QSize(200, 256));
    ASSERT_EQ(drawn.size(), QSize(200, 256));
    int differentFromScaledUp = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 200; ++x) {
            ASSERT_EQ(isInk(shown.pixel(x, y)), isInk(drawn.pixel(x, y))) << x << ", " << y;
            differentFromScaledUp += isInk(drawn.pixel(x, y)) != isInk(single.pixel(x / 2, y / 2)) ? 1 : 0;
        }
    }
    EXPECT_GT(differentFromScaledUp, 0); // the two pictures are told apart
}

TEST(AboutDensity, DialogKeepsItsSizeInDeviceIndependentPixels)
{
    TfrmAbout dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.size(), QSize(TfrmAbout::ClientWidth, TfrmAbout::ClientHeight));
    EXPECT_EQ(dialog.grab().size(), QSize(2 * TfrmAbout::ClientWidth, 2 * TfrmAbout::ClientHeight));
}

} // namespace
