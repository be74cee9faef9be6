// The one message pump: the main window's keyboard rules, then translation and dispatch.
#pragma once

#include <windows.h>

// Dispatches one message already taken off the queue, applying the keyboard rules first.
void dispatchThroughPump(MSG& message);
