#include <windows.h>

#include "app/start_win.h"
#include "dressing/dress_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return startApplication(instance, dressMainWindow); }
