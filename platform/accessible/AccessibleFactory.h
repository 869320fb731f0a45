#pragma once

#include <functional>

class QAccessibleEvent;

// Makes the platform's own controls (grids, spin editors, count displays) describe themselves to
// assistive technology. Called once at start-up, before any window exists; calling it again does
// nothing more.
void InstallPlatformAccessibility();

// Whether assistive technology listens: Qt's own answer, or the last switch it was told of (a bridge,
// or a test's update handler, switches it on through QAccessible::setActive).
bool AccessibilityActive();

// Where the platform's controls send what they tell assistive technology: Qt's accessibility layer, or
// the sink a test installs (Qt passes nothing on while no bridge is active, as on the offscreen
// platform). Returns the sink it replaces; an empty sink restores Qt's layer. While a sink is installed
// accessibility counts as active.
using AccessibilityEventSink = std::function<void(QAccessibleEvent* event)>;
AccessibilityEventSink SetAccessibilityEventSink(AccessibilityEventSink sink);
void SendAccessibilityEvent(QAccessibleEvent* event);
