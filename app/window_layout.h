// The fixed outer size of the main window and where it starts.
#pragma once

constexpr int mainWindowWidth = 548;
constexpr int mainWindowHeight = 310;

// Left or top edge that centres a window on a screen; negative on a screen smaller than the window.
constexpr int centredOrigin(int screenExtent, int windowExtent) { return (screenExtent - windowExtent) / 2; }
