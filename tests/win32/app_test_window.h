// A live main window for the shell's tests, with hooks that record what ran.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/entry_actions_win.h"
#include "app/main_window_win.h"
#include "app/message_pump_win.h"

// Dispatches everything queued, through the real pump.
inline void pumpPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) dispatchThroughPump(message);
}

// Destroying a visible top-level window takes Wine two seconds here, so one window serves a
// whole suite and is made anew only when a test closed it or asks for a fresh one.
class AppWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        queries.clear();
        actions.clear();
        if (!IsWindow(window)) openWindow();
        songList().removeAllRows();
        SetForegroundWindow(window);
        SetFocus(control(extractButtonId));
        pumpPendingMessages();
    }
    static void TearDownTestSuite() {
        if (IsWindow(window)) DestroyWindow(window);
        pumpPendingMessages();
    }
    static void openWindow() {
        if (IsWindow(window)) DestroyWindow(window);
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&classes);
        createdEvents = 0;
        window = createMainWindow(GetModuleHandleA(nullptr), recordingHooks());
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        pumpPendingMessages();
    }
    static MainWindowHooks recordingHooks() {
        MainWindowHooks hooks;
        hooks.created = [](HWND) { ++createdEvents; };
        hooks.queryRequested = [](const std::string& account, SongList& list) {
            queries.push_back(account);
            list.appendRow("1");
        };
        hooks.listRightClicked = [](HWND mainWindow) {
            actions.push_back("rightClick");
            showEntryMenu(mainWindow);
        };
        hooks.copyEntryChosen = [](HWND) { actions.push_back(menuAction("copy")); };
        hooks.copyAndOpenEntryChosen = [](HWND) { actions.push_back(menuAction("copyAndOpen")); };
        return hooks;
    }

    // An action chosen in the menu must run after the menu has closed.
    static std::string menuAction(const char* name) {
        const HWND menu = FindWindowA("#32768", nullptr);
        return std::string(name) + (menu && IsWindowVisible(menu) ? " while the menu is open" : "");
    }

    static HWND control(ControlId id) { return mainWindowControl(window, id); }
    static ListViewSongList& songList() { return mainWindowSongList(window); }

    // One key-down (and, for a click-like key, its key-up) posted to the focused window with
    // the modifiers held in the thread's key state, then pumped.
    static void pressKey(UINT key, int modifiers, bool withKeyUp = false, LPARAM keyDownFlags = 1) {
        BYTE state[256] = {};
        if (modifiers & modifierCtrl) state[VK_CONTROL] = 0x80;
        if (modifiers & modifierShift) state[VK_SHIFT] = 0x80;
        if (modifiers & modifierAlt) state[VK_MENU] = 0x80;
        SetKeyboardState(state);
        const HWND focus = GetFocus();
        const bool alt = (modifiers & modifierAlt) != 0;
        PostMessageA(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, keyDownFlags | (alt ? (1 << 29) : 0));
        if (withKeyUp) PostMessageA(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        pumpPendingMessages();
        BYTE released[256] = {};
        SetKeyboardState(released);
    }

    static inline HWND window = nullptr;
    static inline int createdEvents = 0;
    static inline std::vector<std::string> queries;
    static inline std::vector<std::string> actions;
};
