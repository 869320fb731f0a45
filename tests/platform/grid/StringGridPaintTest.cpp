#include "tests/platform/grid/StringGridTestSupport.h"

#include "platform/paint/ColorValue.h"

#include <QImage>
#include <QPaintEvent>
#include <QPalette>
#include <QRegion>
#include <QSet>

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace {

class PaintRecorder : public QObject
{
public:
    int paints = 0;
    QRegion region;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            region += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

class StringGridPaintTest : public StringGridFixture
{
protected:
    void SetUp() override
    {
        StringGridFixture::SetUp();
        m_grid->setCellPainter(&PaintRightAligned);
    }

    QImage grab() const { return m_grid->viewport()->grab().toImage(); }

    // The columns (relative to the cell) and rows where the cell shows something other than `fill`.
    struct Ink
    {
        int left = 1000, right = -1, top = 1000, bottom = -1, pixels = 0;
    };
    static Ink inkOf(const QImage& image, const QRect& cell, const QColor& fill)
    {
        Ink ink;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                if (image.pixelColor(x, y) == fill)
                    continue;
                ++ink.pixels;
                ink.left = std::min(ink.left, x - cell.left());
                ink.right = std::max(ink.right, x - cell.left());
                ink.top = std::min(ink.top, y - cell.top());
                ink.bottom = std::max(ink.bottom, y - cell.top());
            }
        }
        return ink;
    }

    static QColor window() { return ResolveColor(clWindow); }
};

TEST_F(StringGridPaintTest, TextIsPaintedFlushRightTwoPixelsInsideAndVerticallyCentred)
{
    resize(3, 3);
    m_grid->setCell(1, 1, QStringLiteral("12"));
    const Ink ink = inkOf(grab(), m_grid->cellRect(1, 1), window());
    ASSERT_GT(ink.pixels, 0);
    EXPECT_LE(ink.right, 37); // nothing in the last two columns of the cell
    EXPECT_GE(ink.right, 35);
    EXPECT_GT(ink.left, 20); // right-aligned, not at the left edge
    EXPECT_LE(std::abs((ink.top + ink.bottom) - 19), 3) << ink.top << ".." << ink.bottom;
}

TEST_F(StringGridPaintTest, AWideTextShowsItsRightmostCharacters)
{
    resize(3, 3);
    m_grid->setCell(1, 0, QStringLiteral("XXXXXXXXXXXXXXXX12"));
    m_grid->setCell(1, 1, QStringLiteral("OOOOOOOOOOOOOOOO12"));
    m_grid->setCell(1, 2, QStringLiteral("12"));
    const QImage image = grab();
    const Ink ink = inkOf(image, m_grid->cellRect(1, 0), window());
    EXPECT_LE(ink.right, 37);
    EXPECT_LE(ink.left, 3); // the box is full up to its left edge
    // The last 10 pixels of the box hold "12" whatever comes before it.
    const QRect x = m_grid->cellRect(1, 0);
    const QRect o = m_grid->cellRect(1, 1);
    const QRect plain = m_grid->cellRect(1, 2);
    for (int dy = 0; dy < 20; ++dy) {
        for (int dx = 28; dx < 40; ++dx) {
            ASSERT_EQ(image.pixelColor(x.left() + dx, x.top() + dy), image.pixelColor(o.left() + dx, o.top() + dy))
                << dx << "," << dy;
            ASSERT_EQ(image.pixelColor(x.left() + dx, x.top() + dy),
                      image.pixelColor(plain.left() + dx, plain.top() + dy))
                << dx << "," << dy;
        }
    }
}

TEST_F(StringGridPaintTest, AnAmpersandUnderlinesTheNextCharacterAndADoubledOneShowsOne)
{
    resize(4, 1);
    m_grid->setCurrentCell(3, 0);
    m_grid->setCell(0, 0, QStringLiteral("AB"));
    m_grid->setCell(1, 0, QStringLiteral("A&B"));
    m_grid->setCell(2, 0, QStringLiteral("A&&B"));
    const QImage image = grab();
    const Ink plain = inkOf(image, m_grid->cellRect(0, 0), window());
    const Ink mnemonic = inkOf(image, m_grid->cellRect(1, 0), window());
    const Ink ampersand = inkOf(image, m_grid->cellRect(2, 0), window());
    // The underline adds pixels below the letters and no width.
    EXPECT_GT(mnemonic.pixels, plain.pixels);
    EXPECT_GT(mnemonic.bottom, plain.bottom);
    EXPECT_EQ(mnemonic.left, plain.left);
    // One visible ampersand widens the text; no underline below it.
    EXPECT_LT(ampersand.left, plain.left - 3);
    EXPECT_LE(ampersand.bottom, plain.bottom + 1);
}

TEST_F(StringGridPaintTest, TheEditorShowsTheTextFromTheLeftTwoPixelsIn)
{
    resize(3, 3);
    m_grid->setCell(1, 1, QStringLiteral("12"));
    m_grid->setCurrentCell(1, 1);
    press(Qt::Key_F2);
    press(Qt::Key_Home);
    ASSERT_TRUE(m_grid->editorOpen());
    const Ink ink = inkOf(grab(), m_grid->cellRect(1, 1), window());
    ASSERT_GT(ink.pixels, 0);
    EXPECT_GE(ink.left, 2);
    EXPECT_LE(ink.left, 4);
    EXPECT_LT(ink.right, 20); // moved from the right edge to the left
    EXPECT_GE(ink.top, 2);
}

TEST_F(StringGridPaintTest, TheCurrentCellOfAGridWithoutTheFocusShowsInTheHighlightColours)
{
    resize(3, 2);
    m_grid->setCell(0, 0, QStringLiteral("1"));
    m_before->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_before->hasFocus(); }));
    const QImage image = grab();
    const QColor highlight = ResolveColor(clHighlight);
    ASSERT_NE(highlight, window());
    EXPECT_EQ(image.pixelColor(3, 1), highlight);
    EXPECT_EQ(image.pixelColor(41 + 3, 1), window());          // another cell
    EXPECT_EQ(image.pixelColor(40, 5), QColor(192, 192, 192)); // line after column 0
    EXPECT_EQ(image.pixelColor(5, 20), QColor(192, 192, 192)); // line below row 0
    EXPECT_EQ(image.pixelColor(3 * 41 + 10, 5), window());     // beyond the last column
    EXPECT_EQ(image.pixelColor(10, 2 * 21 + 10), window());    // below the last row
    bool textInHighlightText = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            textInHighlightText = textInHighlightText || image.pixelColor(x, y) == ResolveColor(clHighlightText);
    EXPECT_TRUE(textInHighlightText);
}

TEST_F(StringGridPaintTest, TheFocusedCurrentCellHasTheWindowColourAndADottedFocusRectangle)
{
    resize(2, 2);
    const QImage image = grab();
    const QColor w = window();
    const QColor inverted(255 - w.red(), 255 - w.green(), 255 - w.blue());
    EXPECT_EQ(image.pixelColor(0, 0), inverted);
    EXPECT_EQ(image.pixelColor(1, 0), w);
    EXPECT_EQ(image.pixelColor(2, 0), inverted);
    EXPECT_EQ(image.pixelColor(39, 1), inverted);
    EXPECT_EQ(image.pixelColor(1, 19), inverted);
    EXPECT_EQ(image.pixelColor(20, 10), w);
    EXPECT_EQ(image.pixelColor(41, 0), w); // no rectangle on another cell
}

TEST_F(StringGridPaintTest, GridLinesTurnGreyOnASilverBackground)
{
    const QPalette saved = QApplication::palette();
    QPalette silver = saved;
    silver.setColor(QPalette::Base, QColor(192, 192, 192));
    QApplication::setPalette(silver);
    resize(2, 2);
    const QImage image = grab();
    QApplication::setPalette(saved);
    EXPECT_EQ(image.pixelColor(40, 5), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(2 * 41 + 5, 5), QColor(192, 192, 192));
}

TEST_F(StringGridPaintTest, OnlyCellsMeetingTheUpdateAreaArePaintedAndNotTheOneUnderTheEditor)
{
    resize(3, 3);
    std::vector<std::pair<int, int>> painted;
    m_grid->setCellPainter(
        [&](QPainter& canvas, StringGrid* sender, int col, int row, const QRect& rect, StringGrid::DrawState state) {
            painted.emplace_back(col, row);
            PaintRightAligned(canvas, sender, col, row, rect, state);
        });
    QCoreApplication::processEvents();
    painted.clear();
    m_grid->viewport()->repaint(m_grid->cellRect(2, 1));
    EXPECT_EQ(painted, (std::vector<std::pair<int, int>>{{2, 1}}));

    press(Qt::Key_F2);
    ASSERT_TRUE(m_grid->editorOpen());
    painted.clear();
    m_grid->viewport()->repaint();
    EXPECT_EQ(painted.size(), 8u);
    EXPECT_EQ(std::count(painted.begin(), painted.end(), std::make_pair(0, 0)), 0);
}

TEST_F(StringGridPaintTest, WritingCellsRepaintsThemOnceAndNothingElse)
{
    resize(5, 5);
    PaintRecorder recorder;
    QCoreApplication::processEvents();
    m_grid->viewport()->installEventFilter(&recorder);

    m_grid->setCell(2, 3, QStringLiteral("5"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.paints > 0; }));
    EXPECT_EQ(recorder.region, QRegion(m_grid->cellRect(2, 3)));

    recorder.paints = 0;
    recorder.region = QRegion();
    QRegion cells;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            m_grid->setCell(col, row, QString::number(col + row));
            cells += m_grid->cellRect(col, row);
        }
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.paints > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.paints, 1);
    EXPECT_EQ(recorder.region, cells);

    recorder.paints = 0;
    m_grid->setRowCount(5);                           // unchanged
    m_grid->setCell(9, 9, QStringLiteral("outside")); // outside the counts
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.paints, 0);
    m_grid->viewport()->removeEventFilter(&recorder);
}

TEST_F(StringGridPaintTest, HugeCountsPaintOnlyTheVisibleCells)
{
    constexpr int MaxCount = std::numeric_limits<int>::max();
    resize(MaxCount, MaxCount);
    press(Qt::Key_End, Qt::ControlModifier);
    QSet<std::pair<int, int>> painted;
    m_grid->setCellPainter(
        [&](QPainter& canvas, StringGrid* sender, int col, int row, const QRect& rect, StringGrid::DrawState state) {
            painted.insert({col, row});
            PaintRightAligned(canvas, sender, col, row, rect, state);
        });
    m_grid->setCell(MaxCount - 1, MaxCount - 1, QStringLiteral("7"));
    const QImage image = grab();
    EXPECT_EQ(painted.size(), 25);
    for (const auto& [col, row] : painted) {
        EXPECT_GE(col, MaxCount - 5);
        EXPECT_GE(row, MaxCount - 5);
    }
    const Ink ink = inkOf(image, m_grid->cellRect(MaxCount - 1, MaxCount - 1), window());
    EXPECT_GT(ink.pixels, 0);
}

} // namespace
