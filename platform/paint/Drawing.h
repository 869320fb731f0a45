#pragma once

#include <QRect>

class QColor;
class QFontMetrics;
class QPainter;
class QString;

// Layout flags of DrawTextA, with their usual values.
namespace Dt {
constexpr unsigned Left = 0x0;
constexpr unsigned Center = 0x1;
constexpr unsigned Right = 0x2;
constexpr unsigned VCenter = 0x4;
constexpr unsigned SingleLine = 0x20;
constexpr unsigned ExpandTabs = 0x40;
constexpr unsigned NoClip = 0x100;
constexpr unsigned NoPrefix = 0x800;
constexpr unsigned RtlReading = 0x20000;
// Ours: a single line wider than its box shows "…" at the box's start and then as much of the text's end
// as fits beside it, in whole graphemes. Meant with NoPrefix.
constexpr unsigned StartEllipsis = 0x10000000;
} // namespace Dt

// Fills the rectangle with the painter's brush.
void FillRect(QPainter& canvas, const QRect& rect);

// Grows the rectangle by dx on the left and right and dy at the top and bottom (negative shrinks).
void InflateRect(QRect& rect, int dx, int dy);

// Draws text in the painter's pen colour and font, without filling the background. An ampersand marks
// the next character as underlined and "&&" draws one ampersand, unless Dt::NoPrefix; the output is
// clipped to the rectangle unless Dt::NoClip; Dt::VCenter takes effect only with Dt::SingleLine. A long
// single line is laid out only around the end that shows, whatever its scripts.
void DrawTextA(QPainter& canvas, const QString& text, const QRect& rect, unsigned flags);

// Whether DrawTextA with Dt::SingleLine | Dt::NoPrefix | Dt::StartEllipsis cuts `text` in a box `width`
// pixels wide. A long text costs no more than drawing it does.
bool IsLineCut(const QFontMetrics& metrics, const QString& text, int width);

// a * b / c from the exact 64-bit product, rounded to the nearest integer with halves away from zero;
// -1 when c is 0 or the result does not fit in 32 bits.
//   MulDiv(127, 1, 254) == 1, MulDiv(127, -1, 254) == -1, MulDiv(127, -23, 254) == -12,
//   MulDiv(100, 1, 255) == 0
int MulDiv(int a, int b, int c);

// Draws `width` one-pixel rings inside `rect`, shrinking it by one pixel on every side after each: the
// left column and the top row in `top`, the right column and bottom row in `bottom` (which also takes
// the top-right and bottom-left corners). A width of 0 or less draws nothing.
void Frame3D(QPainter& canvas, QRect& rect, const QColor& top, const QColor& bottom, int width);

// The outline QPainter::drawRect(rect) draws with a one-pixel pen at 100 percent (the pixels of rect's
// edges, right and bottom ones included), filled instead of stroked: at 150 or 200 percent it stays one
// device-independent pixel on the same pixels, where a scaled pen would straddle them.
void DrawOutline(QPainter& canvas, const QRect& rect, const QColor& color);
