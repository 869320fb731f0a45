#include "controls/ZelGradPanel.h"

#include "tests/support/HighDensity.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

int colourRuns(const QImage& image, int row)
{
    int runs = 0;
    for (int x = 0; x < image.width(); ++x)
        if (x == 0 || image.pixel(x, row) != image.pixel(x - 1, row))
            ++runs;
    return runs;
}

// The About box's panel, without a caption: nothing on it but bands and the bevel.
class GradPanelDensityTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        panel.setBeginColor(RgbColor(255, 255, 255));
        panel.setEndColor(RgbColor(232, 232, 255));
        panel.resize(364, 197);
    }

    TZelGradPanel panel;
};

TEST_F(GradPanelDensityTest, AtTwiceTheDensityEveryBandEdgeFallsWhereItDoesAt100Percent)
{
    const QImage single = RenderAtRatio(panel, 1.0);
    const QImage doubled = RenderAtRatio(panel, 2.0);
    ASSERT_EQ(doubled.size(), QSize(728, 394));
    // The gradient is there to compare.
    EXPECT_EQ(single.pixel(182, 98), GradientColorTable(qRgb(255, 255, 255), qRgb(232, 232, 255))[127]);
    EXPECT_TRUE(DoublesEveryPixel(single, doubled));
}

TEST_F(GradPanelDensityTest, AtOneAndAHalfEveryDevicePixelIsABandOrBevelColourNeverABlend)
{
    panel.setBeginColor(RgbColor(0, 255, 255));
    panel.setEndColor(RgbColor(0, 0, 255));
    const QImage image = RenderAtRatio(panel, 1.5);
    const QImage single = RenderAtRatio(panel, 1.0);
    QSet<QRgb> allowed;
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x)
            allowed.insert(single.pixel(x, y));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(allowed.contains(image.pixel(x, y))) << x << ", " << y;
    // Every run of one colour across the middle shows once, none lost or split.
    EXPECT_EQ(colourRuns(image, image.height() / 2), colourRuns(single, single.height() / 2));
}

} // namespace
