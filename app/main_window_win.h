// The main window: its four controls, its event hooks and its focus rules.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/song_list_win.h"

enum ControlId : int { accountLabelId = 101, accountEditId, songListId, extractButtonId };
enum MenuItemId : int { copyEntryItemId = 201, copyAndOpenEntryItemId };

// Modifier state handed to a control's key-down event.
enum Modifier : int { modifierCtrl = 1, modifierShift = 2, modifierAlt = 4 };

// What other parts attach to the window's events. A hook left empty does nothing.
struct MainWindowHooks {
    std::function<void(HWND mainWindow)> created;  // window and controls exist, still hidden
    std::function<void(const std::string& account, SongList& songList)> queryRequested;
    std::function<void(HWND mainWindow)> listRightClicked;
    std::function<void(HWND mainWindow)> copyEntryChosen;
    std::function<void(HWND mainWindow)> copyAndOpenEntryChosen;
    std::function<void(HWND mainWindow)> destroyed;
};

extern const char mainWindowClassName[];

// Creates the hidden main window with its controls and raises its creation event;
// nullptr when the window or one of its controls cannot be created.
HWND createMainWindow(HINSTANCE instance, MainWindowHooks hooks);

// The main window that holds this window (itself or a control), or nullptr.
HWND findMainWindow(HWND window);
HWND mainWindowControl(HWND mainWindow, ControlId id);
ListViewSongList& mainWindowSongList(HWND mainWindow);
std::string accountText(HWND mainWindow);

// Raises the key-down event of a control; false asks for the key to be swallowed.
bool raiseControlKeyDown(HWND mainWindow, HWND control, unsigned virtualKey, int modifiers);
