#include "app/message_pump_win.h"

#include "app/main_window_win.h"

namespace {

int currentModifiers() {
    int modifiers = 0;
    if (GetKeyState(VK_CONTROL) < 0) modifiers |= modifierCtrl;
    if (GetKeyState(VK_SHIFT) < 0) modifiers |= modifierShift;
    if (GetKeyState(VK_MENU) < 0) modifiers |= modifierAlt;
    return modifiers;
}

void moveFocusInTabCycle(HWND mainWindow, HWND focus, bool backwards) {
    static const ControlId tabCycle[] = {extractButtonId, songListId, accountEditId};
    const int count = static_cast<int>(sizeof tabCycle / sizeof tabCycle[0]);
    int current = backwards ? 0 : count - 1;  // from outside the cycle: to its first or last control
    for (int i = 0; i < count; ++i)
        if (mainWindowControl(mainWindow, tabCycle[i]) == focus) current = i;
    const int next = (current + (backwards ? count - 1 : 1)) % count;
    SetFocus(mainWindowControl(mainWindow, tabCycle[next]));
}

// The keyboard rules of the main window, applied before a control sees the key.
// Returns true when the key is consumed.
bool applyKeyboardRules(const MSG& message, bool& translate) {
    const HWND mainWindow = findMainWindow(message.hwnd);
    if (!mainWindow) return false;
    const unsigned key = static_cast<unsigned>(message.wParam);
    const int modifiers = currentModifiers();
    if (key == VK_TAB && (modifiers & ~modifierShift) == 0) {
        moveFocusInTabCycle(mainWindow, message.hwnd, (modifiers & modifierShift) != 0);
        return true;
    }
    if (key == VK_ESCAPE && modifiers == 0) {
        SendMessageA(mainWindow, WM_CLOSE, 0, 0);
        return true;
    }
    // Enter has no default button to press. Its character is not made either: a single-line edit
    // box beeps at a carriage return it cannot insert.
    if (key == VK_RETURN && message.hwnd == mainWindowControl(mainWindow, accountEditId)) translate = false;
    return !raiseControlKeyDown(mainWindow, message.hwnd, key, modifiers);
}

}  // namespace

void dispatchThroughPump(MSG& message) {
    bool translate = true;
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && applyKeyboardRules(message, translate))
        return;
    if (translate) TranslateMessage(&message);
    DispatchMessageA(&message);
}
