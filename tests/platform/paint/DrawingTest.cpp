#include "platform/paint/Drawing.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

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

// What DrawTextA drew before it cut long lines: the whole text laid out.
void drawWhole(QPainter& canvas, const QString& text, const QRect& box, int alignment)
{
    canvas.save();
    canvas.setClipRect(box, Qt::IntersectClip);
    canvas.drawText(box, alignment | Qt::TextShowMnemonic | Qt::TextSingleLine | Qt::AlignVCenter | Qt::TextDontClip,
                    text);
    canvas.restore();
}

QImage render(const QFont& font, const std::function<void(QPainter&, const QRect&)>& draw)
{
    QImage image(120, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    draw(painter, QRect(10, 2, 90, 20)); // pixels on both sides of the box show anything drawn outside it
    return image;
}

} // namespace

// Every phase of a pattern of ampersand runs of odd and even length passes the cut, in wide and narrow
// fonts, so a cut that split a run or kept too short a part shows up as a pixel difference.
TEST(DrawTextA, ALongLineDrawsTheSamePixelsAsItsWholeLayout)
{
    const QString pattern = QStringLiteral("a&b&&c&&&d&&&&e&&&&&f7&x");
    QFont narrow;
    narrow.setPointSize(6);
    QFont wide;
    wide.setPointSize(14);
    wide.setItalic(true);
    for (const QFont& font : {narrow, wide}) {
        for (qsizetype phase = 0; phase < pattern.size(); ++phase) {
            QString text;
            while (text.size() < 3000)
                text += pattern;
            text += pattern.left(phase);
            for (const bool right : {true, false}) {
                const QString shown = right ? text : QString(text).remove(0, phase);
                const unsigned align = right ? Dt::Right : Dt::Left;
                const QImage cut = render(font, [&](QPainter& canvas, const QRect& box) {
                    DrawTextA(canvas, shown, box, Dt::SingleLine | Dt::VCenter | align);
                });
                const QImage whole = render(font, [&](QPainter& canvas, const QRect& box) {
                    drawWhole(canvas, shown, box, right ? Qt::AlignRight : Qt::AlignLeft);
                });
                ASSERT_EQ(cut, whole) << "phase " << phase << (right ? " right" : " left") << " size "
                                      << font.pointSize();
            }
        }
    }
}

// A run of ampersands longer than the box decides by its parity whether the last letter is underlined.
TEST(DrawTextA, ARunOfAmpersandsWiderThanTheBoxPairsAsInTheWholeText)
{
    for (const qsizetype run : {999, 1000}) {
        const QString text = QString(2000, QLatin1Char('x')) + QString(run, QLatin1Char('&')) + QStringLiteral("C");
        const QImage cut = render(QFont(), [&](QPainter& canvas, const QRect& box) {
            DrawTextA(canvas, text, box, Dt::SingleLine | Dt::VCenter | Dt::Right);
        });
        const QImage whole =
            render(QFont(), [&](QPainter& canvas, const QRect& box) { drawWhole(canvas, text, box, Qt::AlignRight); });
        EXPECT_EQ(cut, whole) << run;
    }
}

// Laid out whole, a megabyte line is placed with coordinates so large that its underlines come out a pixel
// off; the ends that the box shows are compared with the same ends of a few thousand characters.
TEST(DrawTextA, AMegabyteLineShowsTheSamePixelsAsItsEndsLaidOutAlone)
{
    QString text(1 << 20, QLatin1Char('7'));
    text.replace(0, 3, QStringLiteral("&&A"));
    text.replace(text.size() - 3, 3, QStringLiteral("B&C"));
    constexpr qsizetype EndLength = 3000;
    for (const bool right : {true, false}) {
        const QImage cut = render(QFont(), [&](QPainter& canvas, const QRect& box) {
            DrawTextA(canvas, text, box, Dt::SingleLine | Dt::VCenter | (right ? Dt::Right : Dt::Left));
        });
        const QImage end = render(QFont(), [&](QPainter& canvas, const QRect& box) {
            drawWhole(canvas, right ? text.right(EndLength) : text.left(EndLength), box,
                      right ? Qt::AlignRight : Qt::AlignLeft);
        });
        EXPECT_EQ(cut, end) << (right ? "right" : "left");
    }
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

// Cut to the end that shows, a megabyte of mixed scripts (right-to-left runs with numbers, emoji with
// modifiers, combining accents) draws the pixels its whole layout draws; so does a right-to-left run longer
// than any cut, whose start is what a right-aligned box shows.
TEST(DrawTextA, MixedScriptsDrawTheSamePixelsAsTheUncutText)
{
    const QString pattern = QString::fromUtf8("ab 12 \u05d0\u05d1\u05d2 345 \u0661\u0662 \U0001F44D\U0001F3FD e\u0301 "
                                              "\u0627\u0644\u0639 x\U0001F1E9\U0001F1EA ");
    QString mixed;
    while (mixed.size() < (1 << 20))
        mixed += pattern;
    const QString longRun = QString(3000, QLatin1Char('a')) + QString(3000, QChar(0x05d0)) + QStringLiteral("12");
    for (const QString& base : {mixed, longRun}) {
        for (const qsizetype phase : {7, 16}) {
            const QString text = base + pattern.left(phase);
            for (const bool right : {true, false}) {
                const QString shown = right ? text : text.mid(phase);
                const QImage cut = render(QFont(), [&](QPainter& canvas, const QRect& box) {
                    DrawTextA(canvas, shown, box,
                              Dt::SingleLine | Dt::VCenter | Dt::NoPrefix | (right ? Dt::Right : Dt::Left));
                });
                const QImage whole = render(QFont(), [&](QPainter& canvas, const QRect& box) {
                    canvas.save();
                    canvas.setClipRect(box, Qt::IntersectClip);
                    canvas.drawText(box,
                                    (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::TextSingleLine | Qt::AlignVCenter
                                        | Qt::TextDontClip,
                                    shown);
                    canvas.restore();
                });
                EXPECT_EQ(cut, whole) << "size " << text.size() << " phase " << phase << (right ? " right" : " left");
            }
        }
    }
}
