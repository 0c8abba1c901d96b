#pragma once

class Launcher;

// Switches alpha blending of the main window and of the speed-test window
// together; each window has its own constant level.
void applyTransparency(Launcher &launcher, bool on);
