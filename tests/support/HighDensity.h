#pragma once

#include <QImage>
#include <QWidget>

#include <cmath>

// The widget drawn onto an image of `ratio` device pixels per device-independent pixel, as a screen of
// that density would show it.
inline QImage RenderAtRatio(QWidget& widget, qreal ratio)
{
    QImage image(int(std::ceil(widget.width() * ratio)), int(std::ceil(widget.height() * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

// Whether every device pixel of the image at ratio 2 repeats the pixel of the 100 percent image it
// covers: edges on the same device-independent pixels, none of them blurred.
inline bool DoublesEveryPixel(const QImage& single, const QImage& doubled)
{
    if (doubled.size() != single.size() * 2)
        return false;
    for (int y = 0; y < doubled.height(); ++y)
        for (int x = 0; x < doubled.width(); ++x)
            if (doubled.pixel(x, y) != single.pixel(x / 2, y / 2))
                return false;
    return true;
}
