#pragma once

#include <QColor>

#include <cstdint>

// A colour as the forms store it: a non-negative value is RGB with red in bits 0-7, green in 8-15 and
// blue in 16-23; a negative value names a system colour by its index in the low byte, resolved to the
// current palette each time it is drawn.
using TColor = std::int32_t;

constexpr TColor RgbColor(int red, int green, int blue)
{
    return static_cast<TColor>(red | (green << 8) | (blue << 16));
}

constexpr TColor SystemColor(int index)
{
    return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}

constexpr TColor clBlack = RgbColor(0, 0, 0);
constexpr TColor clWhite = RgbColor(255, 255, 255);
constexpr TColor clGray = RgbColor(128, 128, 128);
constexpr TColor clSilver = RgbColor(192, 192, 192);
constexpr TColor clBlue = RgbColor(0, 0, 255);
constexpr TColor clRed = RgbColor(255, 0, 0);
constexpr TColor clMoneyGreen = RgbColor(192, 220, 192);

constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnHighlight = SystemColor(20);

// The RGB value of a colour now: system colours come from the application's current palette.
QColor ResolveColor(TColor color);

// The contrast ratio of two colours as readability guidelines define it, from 1 (same luminance) to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// `text` darkened (on a light background; lightened on a dark one) just enough to reach `ratio` against
// `background`; unchanged when it already does.
QColor ReadableOn(const QColor& text, const QColor& background, double ratio);
