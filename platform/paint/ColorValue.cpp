#include "platform/paint/ColorValue.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

QColor systemColor(int index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 5:
        return palette.color(QPalette::Active, QPalette::Base);
    case 8:
        return palette.color(QPalette::Active, QPalette::WindowText);
    case 13:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case 14:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case 15:
        return palette.color(QPalette::Active, QPalette::Button);
    case 16:
        return palette.color(QPalette::Active, QPalette::Dark);
    case 17:
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case 20:
        return palette.color(QPalette::Active, QPalette::Light);
    default:
        return palette.color(QPalette::Active, QPalette::Window);
    }
}

} // namespace

QColor ResolveColor(TColor color)
{
    if (color < 0)
        return systemColor(color & 0xFF);
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

namespace {

double relativeLuminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& text, const QColor& background, double ratio)
{
    const bool darken = relativeLuminance(background) > 0.18; // the luminance where black and white tie
    QColor shade = text;
    for (int step = 0; step < 255 && ContrastRatio(shade, background) < ratio; ++step) {
        const int delta = darken ? -1 : 1;
        shade.setRgb(std::clamp(shade.red() + delta, 0, 255), std::clamp(shade.green() + delta, 0, 255),
                     std::clamp(shade.blue() + delta, 0, 255), shade.alpha());
    }
    return shade;
}
