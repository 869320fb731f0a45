#pragma once

// Makes the platform's own controls (grids, spin editors, count displays) describe themselves to
// assistive technology. Called once at start-up, before any window exists; calling it again does
// nothing more.
void InstallPlatformAccessibility();
