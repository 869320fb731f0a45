#include "platform/paint/PixelFont.h"

QFont PixelFont(const QString& face, int pixels)
{
    QFont font(face);
    font.setPixelSize(pixels);
    return font;
}
