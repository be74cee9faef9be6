// The reveal animation on a real window: each frame of the geometry becomes a window region.
#pragma once

#include <windows.h>

// Shows the window, then gives it one region per frame, dispatching pending messages and pausing
// after each. An effect outside 0 to 13 only shows the window.
void playRevealAnimation(HWND window, bool reveal, int effect = 11, int frameDelayMs = 1, int steps = 33);

// Dispatches queued messages through the application's pump, leaving a WM_QUIT in the queue.
void processPendingMessages();
