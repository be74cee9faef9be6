// The start of the process: the main window, its standard event bindings and the message loop.
#pragma once

#include <windows.h>

#include <functional>

#include "app/main_window_win.h"

// The window's events bound to the query and the entry actions; `created` is the caller's.
MainWindowHooks standardHooks(std::function<void(HWND mainWindow)> created);

// Runs the program until the main window is closed; returns the process exit code
// (-1 after an error box when the window cannot be created).
int startApplication(HINSTANCE instance, std::function<void(HWND mainWindow)> created);
