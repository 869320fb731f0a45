#pragma once

#include <QFont>
#include <QString>

// A font of the face given, sized in pixels rather than points, so that a window laid out in pixels
// keeps its text the size it was designed with whatever the screen's resolution.
QFont PixelFont(const QString& face, int pixels);
