#include "controls/ZelGradPanel.h"

#include "platform/paint/Drawing.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr QRgb Aqua = qRgb(0, 255, 255);
constexpr QRgb Blue = qRgb(0, 0, 255);
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Lavender = qRgb(232, 232, 255);

constexpr QRgb FaceColor = qRgb(212, 208, 200);
constexpr QRgb HighlightColor = qRgb(255, 255, 254);
constexpr QRgb ShadowColor = qRgb(128, 128, 129);

struct TableEntry
{
    QRgb begin;
    QRgb end;
    int index;
    QRgb expected;
};

// A panel that counts its paints.
class CountingPanel : public TZelGradPanel
{
public:
    using TZelGradPanel::TZelGradPanel;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        TZelGradPanel::paintEvent(event);
    }
};

// Fixes the system colours the frames use, so that every ring is told apart from the others.
class GradPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_saved = QApplication::palette();
        QPalette colors = m_saved;
        colors.setColor(QPalette::Button, QColor(FaceColor));
        colors.setColor(QPalette::Light, QColor(HighlightColor));
        colors.setColor(QPalette::Dark, QColor(ShadowColor));
        QApplication::setPalette(colors);
    }
    void TearDown() override { QApplication::setPalette(m_saved); }

    static QImage render(TZelGradPanel& panel, int width, int height)
    {
        panel.resize(width, height);
        return panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static QImage renderGradient(int width, TColor begin, TColor end)
    {
        TZelGradPanel panel;
        panel.setBevelOuter(bvNone);
        panel.setBeginColor(begin);
        panel.setEndColor(end);
        return render(panel, width, 3);
    }

private:
    QPalette m_saved;
};

QRgb rgbOf(TColor color)
{
    return ResolveColor(color).rgb();
}

} // namespace

TEST(GradientColorTable, EntriesRoundEachStepHalvesAwayFromZero)
{
    const std::vector<TableEntry> cases = {
        {Aqua, Blue, 0, Aqua},
        {Aqua, Blue, 1, qRgb(0, 254, 255)},
        {Aqua, Blue, 127, qRgb(0, 127, 255)}, // -127.5 rounds to -128
        {Aqua, Blue, 254, Blue},
        {White, Lavender, 1, White},
        {White, Lavender, 11, qRgb(254, 254, 255)},
        {White, Lavender, 127, qRgb(243, 243, 255)}, // -11.5 rounds to -12
        {White, Lavender, 254, Lavender},
    };
    for (const TableEntry& c : cases) {
        const TZelGradPanel::ColorTable table = GradientColorTable(c.begin, c.end);
        EXPECT_EQ(QColor(table[c.index]), QColor(c.expected)) << "entry " << c.index;
    }
}

TEST(GradientColorTable, EntryBeyondTheEndWrapsThroughTheLowEightBits)
{
    // Green 255 + round(255 * -255 / 254) = -1, cut to 255.
    EXPECT_EQ(QColor(GradientColorTable(Aqua, Blue)[255]), QColor(Aqua));
    // Red 0 + round(255 * 255 / 254) = 256, cut to 0.
    EXPECT_EQ(QColor(GradientColorTable(qRgb(0, 0, 0), White)[255]), QColor(qRgb(0, 0, 0)));
}

TEST(GradientColorTable, EveryVisibleEntryStaysBetweenTheEnds)
{
    const TZelGradPanel::ColorTable table = GradientColorTable(qRgb(10, 200, 90), qRgb(250, 3, 90));
    for (int i = 0; i < 255; ++i) {
        EXPECT_GE(qRed(table[i]), 10);
        EXPECT_LE(qRed(table[i]), 250);
        EXPECT_GE(qGreen(table[i]), 3);
        EXPECT_LE(qGreen(table[i]), 200);
        EXPECT_EQ(qBlue(table[i]), 90);
    }
}

TEST_F(GradPanelTest, StartsWithItsDeclaredDefaults)
{
    TZelGradPanel panel;
    EXPECT_EQ(panel.Alignment(), taCenter);
    EXPECT_EQ(panel.BeginColor(), RgbColor(0, 255, 255));
    EXPECT_EQ(panel.EndColor(), RgbColor(0, 0, 255));
    EXPECT_EQ(panel.BevelOuter(), bvRaised);
    EXPECT_EQ(panel.BevelInner(), bvNone);
    EXPECT_EQ(panel.BevelWidth(), 1);
    EXPECT_EQ(panel.BorderWidth(), 0);
    EXPECT_TRUE(panel.Caption().isEmpty());
}

TEST_F(GradPanelTest, AtWidth255EveryColumnShowsItsOwnEntry)
{
    const QImage image = renderGradient(255, clWhite, RgbColor(232, 232, 255));
    const TZelGradPanel::ColorTable table = GradientColorTable(White, Lavender);
    for (int x = 0; x < 255; ++x)
        for (int y = 0; y < 3; ++y)
            ASSERT_EQ(QColor(image.pixel(x, y)), QColor(table[x])) << "x " << x << " y " << y;
}

TEST_F(GradPanelTest, BandsSpreadOverWiderAndNarrowerPanels)
{
    struct Column
    {
        int width;
        int x;
        int entry;
    };
    const std::vector<Column> cases = {
        {364, 0, 0},     {364, 1, 1},     {364, 2, 1}, {364, 361, 253},
        {364, 362, 253}, {364, 363, 254}, {100, 0, 1}, {100, 99, 253}, // neither exact end colour shows
        {1, 0, 127},
    };
    const TZelGradPanel::ColorTable table = GradientColorTable(Aqua, Blue);
    for (const Column& c : cases) {
        const QImage image = renderGradient(c.width, RgbColor(0, 255, 255), RgbColor(0, 0, 255));
        ASSERT_EQ(image.width(), c.width);
        EXPECT_EQ(QColor(image.pixel(c.x, 1)), QColor(table[c.entry])) << "width " << c.width << " x " << c.x;
    }
}

TEST_F(GradPanelTest, AnEmptyPanelPaintsNothing)
{
    TZelGradPanel panel;
    panel.setBevelOuter(bvNone);
    for (const QSize size : {QSize(0, 5), QSize(5, 0)}) {
        panel.resize(size);
        QImage target(8, 8, QImage::Format_RGB32);
        target.fill(Qt::magenta);
        panel.render(&target);
        EXPECT_EQ(QColor(target.pixel(0, 0)), QColor(Qt::magenta));
    }
}

TEST_F(GradPanelTest, FramesDrawBevelBorderAndInnerBevelRingsOverTheGradient)
{
    TZelGradPanel panel;
    panel.setBevelOuter(bvRaised);
    panel.setBorderWidth(2);
    panel.setBevelInner(bvLowered);
    const QImage image = render(panel, 20, 12);
    const auto at = [&](int x, int y) { return QColor(image.pixel(x, y)); };
    // Outer raised ring.
    EXPECT_EQ(at(0, 0), QColor(HighlightColor));
    EXPECT_EQ(at(0, 10), QColor(HighlightColor));
    EXPECT_EQ(at(18, 0), QColor(HighlightColor));
    EXPECT_EQ(at(19, 0), QColor(ShadowColor));
    EXPECT_EQ(at(0, 11), QColor(ShadowColor));
    EXPECT_EQ(at(19, 11), QColor(ShadowColor));
    // Two border rings in the panel's own colour.
    EXPECT_EQ(at(1, 1), QColor(FaceColor));
    EXPECT_EQ(at(2, 6), QColor(FaceColor));
    EXPECT_EQ(at(17, 9), QColor(FaceColor));
    // Inner lowered ring: shadow top-left, highlight bottom-right and the top-right corner.
    EXPECT_EQ(at(3, 3), QColor(ShadowColor));
    EXPECT_EQ(at(15, 3), QColor(ShadowColor));
    EXPECT_EQ(at(16, 3), QColor(HighlightColor));
    EXPECT_EQ(at(3, 8), QColor(HighlightColor));
    // Inside, the gradient still shows: column 4 of 20 lies in band 57.
    const TZelGradPanel::ColorTable table = GradientColorTable(Aqua, Blue);
    EXPECT_EQ(at(4, 4), QColor(table[57]));
}

TEST_F(GradPanelTest, SpaceBevelDrawsExactlyAsRaised)
{
    TZelGradPanel raised;
    raised.setBevelOuter(bvRaised);
    raised.setBevelWidth(2);
    TZelGradPanel space;
    space.setBevelOuter(bvSpace);
    space.setBevelWidth(2);
    EXPECT_EQ(render(raised, 30, 10), render(space, 30, 10));
}

TEST(CaptionBand, CentresTheLineRoundingTowardZero)
{
    EXPECT_EQ(CaptionBand(QRect(0, 0, 364, 197), 16), QRect(0, 90, 364, 16));
    const QRect low = CaptionBand(QRect(0, 0, 50, 5), 16); // (0 + 5 - 16) / 2 is -5, not -6
    EXPECT_EQ(low.top(), -5);
    EXPECT_EQ(low.y() + low.height(), 11);
    EXPECT_EQ(CaptionBand(QRect(4, 4, 356, 189), 16), QRect(4, 90, 356, 16));
}

TEST(CaptionFlags, AlignmentWithTabsAndRightToLeftMirroring)
{
    struct Case
    {
        TAlignment alignment;
        TBiDiMode mode;
        bool rightToLeft;
        unsigned flags;
    };
    const std::vector<Case> cases = {
        {taLeftJustify, bdLeftToRight, false, 0x44},
        {taRightJustify, bdLeftToRight, false, 0x46},
        {taCenter, bdLeftToRight, false, 0x45},
        {taLeftJustify, bdRightToLeft, false, 0x44}, // a left-to-right desktop ignores the mode
        {taLeftJustify, bdRightToLeft, true, 0x46 | Dt::RtlReading},
        {taRightJustify, bdRightToLeft, true, 0x44 | Dt::RtlReading},
        {taCenter, bdRightToLeft, true, 0x45 | Dt::RtlReading},
        {taLeftJustify, bdRightToLeftNoAlign, true, 0x44 | Dt::RtlReading},
        {taRightJustify, bdRightToLeftReadingOnly, true, 0x46 | Dt::RtlReading},
        {taLeftJustify, bdLeftToRight, true, 0x44},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CaptionFlags(c.alignment, c.mode, c.rightToLeft), c.flags)
            << int(c.alignment) << " " << int(c.mode) << " " << c.rightToLeft;
}

namespace {

// The rows and columns where a caption changed the plain gradient of a frameless panel.
QRect captionInk(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(x, image.height() - 1) && image.pixel(x, y) != image.pixel(x, 0))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST_F(GradPanelTest, CaptionShowsOnlyItsFirstLineInsideTheCentredBand)
{
    TZelGradPanel panel;
    panel.setBevelOuter(bvNone);
    QFont font = panel.font();
    font.setPixelSize(20);
    panel.setFont(font);
    panel.setCaption(QStringLiteral("WWW\nWWW"));
    const QImage image = render(panel, 200, 100);
    const QRect band = CaptionBand(QRect(0, 0, 200, 100), QFontMetrics(font).height());
    const QRect ink = captionInk(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), band.top());
    EXPECT_LE(ink.bottom(), band.bottom());
    EXPECT_LT(ink.left(), 100);
    EXPECT_GT(ink.right(), 100);
}

TEST_F(GradPanelTest, CaptionFollowsTheAlignmentAndMirrorsUnderRightToLeft)
{
    TZelGradPanel panel;
    panel.setBevelOuter(bvNone);
    panel.setCaption(QStringLiteral("WW"));
    panel.setAlignment(taLeftJustify);
    EXPECT_LT(captionInk(render(panel, 200, 40)).right(), 100);
    panel.setAlignment(taRightJustify);
    EXPECT_GT(captionInk(render(panel, 200, 40)).left(), 100);

    panel.setLayoutDirection(Qt::RightToLeft);
    panel.setBiDiMode(bdRightToLeft);
    panel.setAlignment(taLeftJustify);
    EXPECT_GT(captionInk(render(panel, 200, 40)).left(), 100);
    panel.setBiDiMode(bdRightToLeftNoAlign);
    EXPECT_LT(captionInk(render(panel, 200, 40)).right(), 100);
}

TEST_F(GradPanelTest, AmpersandUnderlinesTheNextCharacter)
{
    TZelGradPanel panel;
    panel.setBevelOuter(bvNone);
    panel.setAlignment(taLeftJustify);
    panel.setCaption(QStringLiteral("&WW"));
    const QRect marked = captionInk(render(panel, 200, 40));
    panel.setCaption(QStringLiteral("WW"));
    const QRect plain = captionInk(render(panel, 200, 40));
    EXPECT_EQ(marked.width(), plain.width());   // the ampersand itself is not drawn
    EXPECT_GT(marked.bottom(), plain.bottom()); // the underline below the first W
}

TEST_F(GradPanelTest, SystemColoursResolveAtEveryPaint)
{
    TZelGradPanel panel;
    panel.setBeginColor(clBtnFace);
    EXPECT_EQ(QColor(render(panel, 255, 3).pixel(1, 1)), QColor(GradientColorTable(FaceColor, Blue)[1]));
    QPalette colors = QApplication::palette();
    colors.setColor(QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(colors);
    EXPECT_EQ(QColor(render(panel, 255, 3).pixel(1, 1)), QColor(GradientColorTable(qRgb(10, 20, 30), Blue)[1]));
    EXPECT_EQ(rgbOf(panel.EndColor()), Blue);
}

TEST_F(GradPanelTest, AlignmentAlwaysRepaintsWhileColoursRepaintOnlyOnAChange)
{
    // Both panels sit in one window, so one repaint pass paints every dirty panel: once the witness
    // has repainted, a panel that asked for a repaint has too.
    QWidget window;
    window.resize(200, 100);
    auto* panel = new CountingPanel(&window);
    panel->setGeometry(0, 0, 100, 100);
    auto* witness = new CountingPanel(&window);
    witness->setGeometry(100, 0, 100, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->paints > 0 && witness->paints > 0; }));

    const auto repaintsAfter = [&](auto&& change) {
        panel->paints = 0;
        witness->paints = 0;
        change();
        witness->update();
        EXPECT_TRUE(QTest::qWaitFor([&] { return witness->paints > 0; }));
        return panel->paints > 0;
    };
    EXPECT_TRUE(repaintsAfter([&] { panel->setAlignment(panel->Alignment()); }));
    EXPECT_FALSE(repaintsAfter([&] { panel->setBeginColor(panel->BeginColor()); }));
    EXPECT_FALSE(repaintsAfter([&] { panel->setEndColor(panel->EndColor()); }));
    EXPECT_TRUE(repaintsAfter([&] { panel->setBeginColor(clWhite); }));
    EXPECT_TRUE(repaintsAfter([&] { panel->setEndColor(clBtnFace); }));
    EXPECT_FALSE(repaintsAfter([] {})); // the witness alone does not drag the panel along
}
