#pragma once

class QAccessibleEvent;

// Makes the platform's own controls (grids, spin editors, count displays) describe themselves to
// assistive technology. Called once at start-up, before any window exists; calling it again does
// nothing more.
void InstallPlatformAccessibility();

// Whether assistive technology listens.
bool AccessibilityActive();

// Hands an event to Qt's accessibility layer.
void SendAccessibilityEvent(QAccessibleEvent* event);
