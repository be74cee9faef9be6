#include "dressing/dress_win.h"

void dressMainWindow(HWND mainWindow) { ShowWindow(mainWindow, SW_SHOW); }
