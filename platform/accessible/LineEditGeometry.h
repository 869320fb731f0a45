#pragma once

#include <QPoint>
#include <QRect>

class QLineEdit;

// Where a QLineEdit draws the characters of its text, in screen coordinates, for a screen reader's
// review of what the window shows. Texts scrolled inside the box are not followed: the boxes this
// serves hold a few digits.
QRect LineEditCharacterRect(const QLineEdit* edit, int offset);
// The offset of the character under a screen point, or -1 when the point is outside the box.
int LineEditOffsetAtPoint(const QLineEdit* edit, const QPoint& screenPoint);
