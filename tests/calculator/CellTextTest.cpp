// How a cell shows its text, and how readable the greyed counts are.
#include "tests/calculator/CalculatorFixture.h"

#include "platform/layout/LayoutItem.h"
#include "platform/paint/ColorValue.h"
#include "platform/paint/Drawing.h"
#include "tests/support/HighDensity.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPainter>

namespace {

constexpr QChar Ellipsis(0x2026);

// A cell as the grid paints it: the window's colours and the grid's font, text drawn with `flags`.
QImage drawnCell(const StringGrid* grid, const QString& text, unsigned flags, qreal ratio = 1)
{
    QImage image(int(40 * ratio), int(20 * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter canvas(&image);
    canvas.setFont(grid->font());
    canvas.setBrush(ResolveColor(clWindow));
    canvas.setPen(ResolveColor(clWindowText));
    QRect box(0, 0, 40, 20);
    FillRect(canvas, box);
    InflateRect(box, -2, -2);
    DrawTextA(canvas, text, box, flags);
    return image;
}

constexpr unsigned OldFlags = Dt::SingleLine | Dt::VCenter | Dt::Right;

} // namespace

class CellText : public CalculatorFixture
{
protected:
    // The cell as the window paints it, at `ratio` device pixels per pixel.
    QImage shownCell(StringGrid* grid, int col, int row, qreal ratio = 1)
    {
        const QImage whole = RenderAtRatio(*grid->viewport(), ratio);
        const QRect cell = grid->cellRect(col, row);
        return whole.copy(QRect(cell.topLeft() * ratio, QSize(40, 20) * ratio));
    }
};

TEST_F(CellText, ATooLongResultStartsWithTheMarkAndTextsThatFitDrawAsBefore)
{
    auto* a = part<StringGrid>("grdMatrixA");
    auto* r = part<StringGrid>("grdMatrixR");
    // Current cells are highlighted: each grid's current cell is away from the cells looked at.
    enter({{"1", "0"}}, {{"3001.5", "1"}, {"7", "2"}});
    calculate();
    a->setCurrentCell(1, 0);
    r->setCurrentCell(1, 0);
    ASSERT_EQ(r->cell(0, 0), QStringLiteral("3,001.5"));
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage cut = shownCell(r, 0, 0, ratio);
        // The columns at the box's left edge are the mark's, drawn there alone.
        const QImage mark = drawnCell(r, QString(Ellipsis), Dt::SingleLine | Dt::VCenter | Dt::Left, ratio);
        const int markWidth = int(QFontMetrics(r->font()).horizontalAdvance(Ellipsis) * ratio);
        ASSERT_GT(markWidth, 1);
        EXPECT_EQ(cut.copy(0, 0, int(2 * ratio) + markWidth, cut.height()),
                  mark.copy(0, 0, int(2 * ratio) + markWidth, mark.height()))
            << ratio;
        EXPECT_NE(cut, drawnCell(r, r->cell(0, 0), OldFlags, ratio)) << ratio;
    }
    // Not a number: set after Calculate, which leaves R out of date and greyed.
    part<StringGrid>("grdMatrixB")->setCell(0, 1, QStringLiteral("1&5"));
    for (const qreal ratio : {1.0, 2.0}) {
        EXPECT_EQ(shownCell(a, 0, 0, ratio), drawnCell(a, QStringLiteral("1"), OldFlags, ratio)) << ratio;
        // "1&5" shows as the old drawing showed "1&&5": with its ampersand, nothing underlined.
        EXPECT_EQ(shownCell(part<StringGrid>("grdMatrixB"), 0, 1, ratio),
                  drawnCell(a, QStringLiteral("1&&5"), OldFlags, ratio))
            << ratio;
    }
    EXPECT_EQ(r->cell(0, 0), QStringLiteral("3,001.5")); // the stored text stays whole
}

namespace {

// The most common colour of the image and the colour farthest from it in contrast.
std::pair<QColor, QColor> backgroundAndInk(const QImage& image)
{
    QMap<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = counts.firstKey();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts[background])
            background = it.key();
    QColor ink = QColor(background);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (ContrastRatio(QColor(it.key()), QColor(background)) > ContrastRatio(ink, QColor(background)))
            ink = QColor(it.key());
    return {QColor(background), ink};
}

} // namespace

TEST_F(CellText, GreyedCountsAndTheirCaptionsReadAtFourAndAHalfToOne)
{
    setDimensions(2, 3, 4);
    const QImage image = window->grab().toImage();
    for (const char* name : {"edtBRow", "edtRRows", "edtRCols"}) {
        auto* display = part<QLineEdit>(name);
        ASSERT_FALSE(display->isEnabled());
        auto* item = qobject_cast<LayoutItem*>(display->parentWidget());
        ASSERT_NE(item, nullptr);
        QLabel* caption = item->captionLabel();
        ASSERT_NE(caption, nullptr);
        ASSERT_FALSE(caption->isEnabled());
        for (QWidget* widget : {static_cast<QWidget*>(display), static_cast<QWidget*>(caption)}) {
            // Inside the frame, where only the text and its background are.
            const QRect area = QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size()).adjusted(3, 3, -3, -3);
            const auto [background, ink] = backgroundAndInk(image.copy(area));
            EXPECT_GE(ContrastRatio(ink, background), 4.5) << name << " " << widget->metaObject()->className();
            EXPECT_LT(ContrastRatio(ink, background), 15.0) << name << ": no longer looks disabled";
        }
    }
}

TEST_F(CellText, AnOutOfDateResultIsGreyedYetReadsAtFourAndAHalfToOne)
{
    auto* r = part<StringGrid>("grdMatrixR");
    enter({{"8"}, {"1"}}, {{"8"}});
    calculate();
    // The current cell is highlighted while the grid has no focus: the cell below it is looked at.
    const auto [paper, black] = backgroundAndInk(shownCell(r, 0, 1));
    part<StringGrid>("grdMatrixA")->setCell(0, 0, QStringLiteral("9"));
    const auto [background, grey] = backgroundAndInk(shownCell(r, 0, 1));
    EXPECT_EQ(background, paper);
    EXPECT_GE(ContrastRatio(grey, background), 4.5);
    EXPECT_LT(ContrastRatio(grey, background), ContrastRatio(black, paper) - 3) << "no longer looks greyed";
}
