// The handler of the main window's creation event: reveal animation, then the skin.
#pragma once

#include <windows.h>

void dressMainWindow(HWND mainWindow);
