#pragma once

class QWidget;

// Makes `widget` a tab stop while assistive technology is active (QAccessible::isActive()), and gives
// it back the focus policy it has now while none is, following the switch at run time. For controls
// the window keeps out of the tab order that a screen reader user must still reach by keyboard.
void TabStopWhileAssisted(QWidget* widget);
