#include "tests/platform/grid/StringGridTestSupport.h"

#include "tests/support/HighDensity.h"

#include <QSet>

namespace {

constexpr QRgb LineColor = qRgb(192, 192, 192);

// The focused grid with its current cell away from the corner, so that the dotted focus outline, the
// lines and the cells all show.
class StringGridDensityTest : public StringGridFixture
{
protected:
    void SetUp() override
    {
        StringGridFixture::SetUp();
        resize(4, 4);
        m_grid->setCurrentCell(1, 1);
    }

    QImage render(qreal ratio) const { return RenderAtRatio(*m_grid->viewport(), ratio); }
};

TEST_F(StringGridDensityTest, AtTwiceTheDensityLinesAndFocusOutlineStayOnTheirPixels)
{
    const QImage single = render(1.0);
    const QImage doubled = render(2.0);
    EXPECT_TRUE(DoublesEveryPixel(single, doubled));
    // The line after column 0 is x = 40 at 100 percent: two device pixels wide, solid, nothing beside it.
    const int y = 2 * 10;
    EXPECT_EQ(doubled.pixel(79, y), qRgb(255, 255, 255));
    EXPECT_EQ(doubled.pixel(80, y), LineColor);
    EXPECT_EQ(doubled.pixel(81, y), LineColor);
    EXPECT_EQ(doubled.pixel(82, y), qRgb(255, 255, 255));
}

TEST_F(StringGridDensityTest, AtOneAndAHalfEveryDevicePixelIsALineOrCellColourNeverABlend)
{
    const QImage single = render(1.0);
    const QImage image = render(1.5);
    QSet<QRgb> allowed;
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x)
            allowed.insert(single.pixel(x, y));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(allowed.contains(image.pixel(x, y))) << x << ", " << y;
    // Each line is one or two device pixels, never lost between cells.
    const int row = int(1.5 * 10);
    int lineColumns = 0;
    for (int x = 0; x < int(1.5 * 4 * 41); ++x)
        lineColumns += image.pixel(x, row) == LineColor ? 1 : 0;
    EXPECT_GE(lineColumns, 4);
    EXPECT_LE(lineColumns, 8);
}

} // namespace
